// SPDX-License-Identifier: MIT
#include "AdviceLeague.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"

namespace quorvane::test {

namespace {
int flag(const std::string& positions, const std::string& position) {
    return ("," + positions + ",").find("," + position + ",") != std::string::npos ? 1 : 0;
}
}  // namespace

AdviceLeague::AdviceLeague(TestProgram& program, int teams, int drafttype, int scoringstyle)
    : league(program, teams, drafttype, scoringstyle), m_program(program) {}

AdviceLeague& AdviceLeague::player(const AdvicePlayer& p) {
    m_program.exec(fmt::format(
        "insert into DraftPlayers (playerid, stat_indicator, yearofprojection, firstname, "
        "lastname, pos, games, fgm, fga, ftm, fta, assists, turnovers, PG, SG, SF, PF, C, "
        "dollars, draftorder) values ({}, 'P', {}, 'First', 'Player{}', '{}', {}, {}, {}, {}, "
        "{}, {}, {}, {}, {}, {}, {}, {}, {}, {})",
        p.playerid, kProjectionYear, p.playerid, p.positions, p.games, p.fgm, p.fga, p.ftm, p.fta,
        p.assists, p.turnovers, flag(p.positions, "PG"), flag(p.positions, "SG"),
        flag(p.positions, "SF"), flag(p.positions, "PF"), flag(p.positions, "C"), p.dollars,
        p.rank));
    return *this;
}

AdviceLeague& AdviceLeague::pick(int playerid, int draftposition, const std::string& slot) {
    league.pick(playerid, draftposition, slot);
    return *this;
}

AdviceLeague& AdviceLeague::keeper(int playerid, int draftposition, double price) {
    m_program.exec(fmt::format(
        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
        "values ({}, {}, {}, 'UT', 0, {})",
        league.id, playerid, league.teamId(draftposition), price));
    return *this;
}

AdviceLeague& AdviceLeague::onClock(int draftposition, const std::string& direction) {
    m_program.exec(fmt::format(
        "update DraftTeams set currentpick = iif(draftposition = {}, 1, 0) where template_id = {}",
        draftposition, league.id));
    m_program.exec(
        fmt::format("update DraftTemplate set draftdirection = '{}' where template_id = {}",
                    direction, league.id));
    return *this;
}

AdviceLeague& AdviceLeague::rounds(int count) {
    m_program.exec(fmt::format("update DraftTemplate set rounds = {} where template_id = {}", count,
                               league.id));
    return *this;
}

AdviceLeague& AdviceLeague::punt(int categoryid) {
    m_program.exec(fmt::format("insert into DraftPunts (template_id, categoryid) values ({}, {})",
                               league.id, categoryid));
    return *this;
}

DraftModel AdviceLeague::model() {
    league.load();
    std::optional<DraftModel> loaded = loadDraftModel(m_program.state, m_program.dialogs);
    EXPECT_TRUE(loaded.has_value()) << m_program.dialogs.lastText();
    return loaded.value_or(DraftModel{});
}

}  // namespace quorvane::test
