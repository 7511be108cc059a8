// SPDX-License-Identifier: MIT
#include "RoomFixture.h"

#include <gtest/gtest.h>

#include "model/DraftLoader.h"
#include "store/RowReader.h"
#include "text/NumberText.h"

namespace quorvane::test {

RoomFixture::RoomFixture(int teams, int drafttype, bool rotisserie) {
    draftId = newDraft("Room", teams, drafttype == kDraftTypeAuction, rotisserie);
    exec("update DraftTemplate set drafttype = " + std::to_string(drafttype) +
         " where template_id = " + std::to_string(draftId));
    reload();
}

void RoomFixture::addPlayer(const PlayerRow& p) {
    ASSERT_TRUE(executeSql(
        state.dbConnection,
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, fga, ftm, fta, pt3m, pt3a, oreb, dreb, assists, turnovers, dollars, "
        "draftorder, PG, SG, PF, SF, C) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        {std::int64_t{p.playerid},
         std::int64_t{p.year},
         p.firstname,
         p.lastname,
         p.pos,
         p.team,
         std::int64_t{p.games},
         std::int64_t{p.fgm},
         std::int64_t{p.fga},
         std::int64_t{p.ftm},
         std::int64_t{p.fta},
         std::int64_t{p.pt3m},
         std::int64_t{p.pt3a},
         std::int64_t{p.oreb},
         std::int64_t{p.dreb},
         std::int64_t{p.assists},
         std::int64_t{p.turnovers},
         p.dollars,
         std::int64_t{p.draftorder},
         std::int64_t{p.pos == "G"},
         std::int64_t{p.pos == "G"},
         std::int64_t{p.pos == "F"},
         std::int64_t{p.pos == "F"},
         std::int64_t{p.pos == "C"}}));
}

void RoomFixture::setRoster(int c, int g, int pg, int sg, int f, int pf, int sf, int ut, int r) {
    exec("update DraftRoster set C=" + std::to_string(c) + ", G=" + std::to_string(g) +
         ", PG=" + std::to_string(pg) + ", SG=" + std::to_string(sg) + ", F=" + std::to_string(f) +
         ", PF=" + std::to_string(pf) + ", SF=" + std::to_string(sf) +
         ", UT=" + std::to_string(ut) + ", R=" + std::to_string(r) +
         " where template_id = " + std::to_string(draftId));
    reload();
}

void RoomFixture::setMoney(double cap, double minbid) {
    exec("update DraftTemplate set dollars = " + numberText(cap) +
         ", minbid = " + numberText(minbid) + " where template_id = " + std::to_string(draftId));
    reload();
}

void RoomFixture::reload() {
    loadDraft(state, draftId);
}

int RoomFixture::teamAt(int draftposition) const {
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.draftposition == draftposition) {
            return team.teamid;
        }
    }
    return 0;
}

std::string RoomFixture::storedTurn() {
    const std::string id = std::to_string(draftId);
    const int position = static_cast<int>(scalar(
        "select iif(max(draftposition) is null, 0, max(draftposition)) from DraftTeams where "
        "currentpick = 1 and template_id = " +
        id));
    const std::optional<std::string> direction = readScalar<std::string>(
        state.dbConnection, "select draftdirection from DraftTemplate where template_id = " + id);
    EXPECT_TRUE(direction.has_value());
    return std::to_string(position) + direction.value_or("");
}

std::string RoomFixture::memoryTurn() const {
    int position = 0;
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.currentpick == 1) {
            position = team.draftposition;
        }
    }
    return std::to_string(position) + state.draftSettings()->draftdirection;
}

}  // namespace quorvane::test
