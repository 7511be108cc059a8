// SPDX-License-Identifier: MIT
#include "FollowProgram.h"

#include <gtest/gtest.h>

#include <fstream>

#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "room/RoomValues.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "store/RowReader.h"

namespace quorvane::test {

FollowProgram::FollowProgram(int teams, int drafttype) {
    if (!createNewDatabase(state, dialogs, folder.str(),
                           std::optional<std::string>(std::string(QUORVANE_SOURCE_DATA_DIR) +
                                                      "/sample_projections.csv"))) {
        ADD_FAILURE() << "could not create a database with the sample projections";
        return;
    }
    const auto id =
        createDraft(state, dialogs, {"Room", teams - 1, drafttype == kDraftTypeAuction, true});
    EXPECT_TRUE(id.has_value()) << dialogs.lastText();
    draftId = id.value_or(0);
    const std::string draft = std::to_string(draftId);
    exec("update DraftTemplate set drafttype = " + std::to_string(drafttype) +
         ", dollars = 200.0, minbid = 1.0 where template_id = " + draft);
    exec(
        "update DraftRoster set C = 1, G = 1, F = 1, UT = 1, PG = 0, SG = 0, PF = 0, SF = 0, "
        "R = 0 where template_id = " +
        draft);
    loadDraft(state, draftId);
}

void FollowProgram::exec(const std::string& sql) {
    ASSERT_TRUE(executeSql(state.dbConnection, sql)) << sql;
}

double FollowProgram::scalar(const std::string& sql) {
    const std::optional<double> value = readScalar<double>(state.dbConnection, sql);
    EXPECT_TRUE(value.has_value()) << sql;
    return value.value_or(0.0);
}

int FollowProgram::teamAt(int draftposition) const {
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.draftposition == draftposition) {
            return team.teamid;
        }
    }
    return 0;
}

std::vector<std::string> FollowProgram::picks() {
    const bool auction = state.draftSettings()->drafttype == kDraftTypeAuction;
    const auto lines = readRows<std::string>(
        state.dbConnection,
        "select t.draftorder, t.playerid, m.teamname, t.pos, t.dollars from "
        "DraftTaken t join DraftTeams m on m.teamid = t.teamid order by "
        "t.draftorder, t.playerid",
        {}, [auction](const StatementRow& row) {
            const std::int64_t order = row.integer(0);
            std::string line = (order == 0 ? std::string("K") : std::to_string(order)) + ":" +
                               std::to_string(row.integer(1)) + ">" + row.text(2) + "/" +
                               row.text(3);
            if (auction) {
                line += " $" + formatPrice(row.real(4), 0);
            }
            return line;
        });
    EXPECT_TRUE(lines.has_value());
    return lines.value_or(std::vector<std::string>());
}

std::vector<std::string> FollowProgram::logLines() const {
    std::vector<std::string> lines;
    std::ifstream file(state.logFilePath);
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace quorvane::test
