// SPDX-License-Identifier: MIT
#include "HeadToHeadDraft.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"

namespace quorvane::test {

League fourPlayerLeague(TestProgram& program, int drafttype, int mode, bool drafted) {
    League league(program, 2, drafttype, kScoringHeadToHead);
    league.rosterSlots({.UT = 2, .R = 1})
        .money(200, 1)
        .categories({{1, 1}, {3, 1}, {9, 1}, {15, 1}});
    program.exec(fmt::format(
        "insert into DraftHeadToHead (template_id, mode, gamesperweek) values ({}, {}, 3.5)",
        league.id, mode));
    league
        .player(StatLine{
            .playerid = 1, .games = 70, .fga = 1100, .fgm = 500, .steals = 90, .turnovers = 150})
        .player(StatLine{
            .playerid = 2, .games = 64, .fga = 830, .fgm = 400, .steals = 60, .turnovers = 110})
        .player(StatLine{
            .playerid = 3, .games = 75, .fga = 800, .fgm = 350, .steals = 130, .turnovers = 190})
        .player(StatLine{
            .playerid = 4, .games = 58, .fga = 520, .fgm = 260, .steals = 45, .turnovers = 70});
    // Free throws made count in points only; attempts are set to the made ones.
    for (const auto& [playerid, ftm] : {std::pair{1, 200}, {2, 150}, {3, 310}, {4, 90}}) {
        program.exec(fmt::format(
            "update DraftPlayers set ftm = {0}, fta = {0} where playerid = {1}", ftm, playerid));
    }
    if (drafted) {
        league.pick(1, 1, "UT").pick(2, 2, "UT").pick(3, 2, "UT").pick(4, 1, "UT");
    }
    league.load();
    return league;
}

DraftModel loadedModel(TestProgram& program, League& league) {
    league.load();
    std::optional<DraftModel> loaded = loadDraftModel(program.state, program.dialogs);
    EXPECT_TRUE(loaded.has_value()) << program.dialogs.lastText();
    return loaded.value_or(DraftModel{});
}

std::size_t indexOf(const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    EXPECT_NE(player, nullptr) << playerid;
    return player == nullptr ? 0 : static_cast<std::size_t>(player - model.players.data());
}

std::size_t categoryIndex(const DraftModel& model, int categoryid) {
    for (std::size_t c = 0; c < model.categories.size(); ++c) {
        if (model.categories[c].definition->categoryid == categoryid) {
            return c;
        }
    }
    ADD_FAILURE() << categoryid;
    return 0;
}

}  // namespace quorvane::test
