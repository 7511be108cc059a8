// SPDX-License-Identifier: MIT
#include "valuation/SgpDenominators.h"

#include "app/ProgramState.h"
#include "app/UserDialogs.h"

namespace quorvane {

bool loadSgpDenominators(ProgramState& state, UserDialogs& dialogs) {
    Recordset maximum;
    if (!openRecordset(maximum, state.dbConnection,
                       "select max(categoryid) as cnt from category where categoryid <> 0")) {
        reportDatabaseError(dialogs, state.dbConnection, " 60006 error: could not access database");
        return false;
    }
    Recordset rows;
    if (!openRecordset(rows, state.dbConnection,
                       "select categoryid, sgp_denominator from category where categoryid <> 0")) {
        reportDatabaseError(dialogs, state.dbConnection, " 60006 error: could not access database");
        return false;
    }
    const auto largest = maximum.getInt("cnt");
    std::vector<SgpDenominator> denominators(static_cast<std::size_t>(largest < 0 ? 0 : largest) +
                                             2);
    for (; !rows.eof(); rows.moveNext()) {
        const auto id = rows.getInt("categoryid");
        if (id >= 0 && static_cast<std::size_t>(id) < denominators.size()) {
            denominators[static_cast<std::size_t>(id)] = {static_cast<int>(id),
                                                          rows.getDouble("sgp_denominator")};
        }
    }
    state.sgpDenominators = std::move(denominators);
    return true;
}

void fixSgpDenominators(ProgramState& state, UserDialogs& dialogs) {
    const auto version = versionNumber(state.appVersion);
    if (!version || *version >= 1400) {
        return;
    }
    struct Correction {
        std::int64_t categoryid;
        double denominator;
    };
    Connection& connection = state.dbConnection;
    for (const Correction& correction : {Correction{15, .002}, Correction{14, .005}}) {
        // A file that already holds the figure is not written: opening a database must not
        // take the write lock another program may be holding.
        Recordset current;
        if (openRecordset(current, connection,
                          "select sgp_denominator from category where categoryid = ?",
                          {correction.categoryid}) &&
            !current.eof() && current.getDouble("sgp_denominator") == correction.denominator) {
            continue;
        }
        if (!executeSql(connection, "update category set sgp_denominator = ? where categoryid = ?",
                        {correction.denominator, correction.categoryid})) {
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
