// SPDX-License-Identifier: MIT
#include "valuation/SgpDenominators.h"

#include "model/DraftSession.h"
#include "platform/Version.h"
#include "store/CategoryRepository.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

Outcome<Done> loadSgpDenominators(DraftSession& session) {
    const std::optional<SgpDenominatorRows> rows = readSgpDenominators(session.dbConnection);
    if (!rows) {
        return statementFailed(session.dbConnection, kDatabaseAccessMessage,
                               " 60006 error: could not access database");
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
    session.replaceSgpDenominators(std::move(denominators));
    return Done{};
}

std::vector<WriteFailure> fixSgpDenominators(Connection& connection, std::string_view appVersion) {
    std::vector<WriteFailure> failures;
    const auto version = versionNumber(appVersion);
    if (!version || *version >= 1400) {
        return failures;
    }
    struct Correction {
        int categoryid;
        double denominator;
    };
    for (const Correction& correction : {Correction{15, .002}, Correction{14, .005}}) {
        // A file that already holds the figure is not written: opening a database must not
        // take the write lock another program may be holding.
        const std::optional<std::optional<double>> current =
            readSgpDenominator(connection, correction.categoryid);
        if (current && *current && **current == correction.denominator) {
            continue;
        }
        if (!writeSgpDenominator(connection, correction.categoryid, correction.denominator)) {
            failures.push_back(statementFailed(connection, kDatabaseUpdateMessage,
                                               " 60005 error: could not edit sgp"));
            if (connection.lastFailureWasBusy()) {
                return failures;
            }
        }
    }
    return failures;
}

}  // namespace quorvane
