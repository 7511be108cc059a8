// SPDX-License-Identifier: MIT
#include "valuation/SgpDenominators.h"

#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/CategoryRepository.h"

namespace quorvane {

bool loadSgpDenominators(ProgramState& state, UserDialogs& dialogs) {
    const std::optional<SgpDenominatorRows> rows = readSgpDenominators(state.dbConnection);
    if (!rows) {
        reportDatabaseError(dialogs, state.dbConnection, " 60006 error: could not access database");
        return false;
    }
    const auto largest = rows->highestId;
    std::vector<SgpDenominator> denominators(static_cast<std::size_t>(largest < 0 ? 0 : largest) +
                                             2);
    for (const CategoryFigure& row : rows->denominators) {
        const int id = row.categoryid;
        if (id >= 0 && static_cast<std::size_t>(id) < denominators.size()) {
            denominators[static_cast<std::size_t>(id)] = {id, row.value};
        }
    }
    state.replaceSgpDenominators(std::move(denominators));
    return true;
}

void fixSgpDenominators(ProgramState& state, UserDialogs& dialogs) {
    const auto version = versionNumber(state.appVersion);
    if (!version || *version >= 1400) {
        return;
    }
    struct Correction {
        int categoryid;
        double denominator;
    };
    Connection& connection = state.dbConnection;
    for (const Correction& correction : {Correction{15, .002}, Correction{14, .005}}) {
        // A file that already holds the figure is not written: opening a database must not
        // take the write lock another program may be holding.
        const std::optional<std::optional<double>> current =
            readSgpDenominator(connection, correction.categoryid);
        if (current && *current && **current == correction.denominator) {
            continue;
        }
        if (!writeSgpDenominator(connection, correction.categoryid, correction.denominator)) {
            showDatabaseFailure(dialogs, connection, kDatabaseErrorTitle, kDatabaseUpdateMessage,
                                MessageIcon::Exclamation);
            connection.log().writeEntry(" 60005 error: could not edit sgp");
            if (connection.lastFailureWasBusy()) {
                return;
            }
        }
    }
}

}  // namespace quorvane
