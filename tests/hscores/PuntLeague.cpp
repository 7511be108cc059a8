// SPDX-License-Identifier: MIT
#include "PuntLeague.h"

#include <algorithm>

#include "support/ModelSettings.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane::test {

namespace {

constexpr std::size_t kUtility = 7;  // in kSlotKindNames

}  // namespace

PuntLeague::PuntLeague(int teams, std::initializer_list<std::pair<int, double>> categories,
                       int utilitySlots) {
    model.changeSettings([utilitySlots](DraftSettings& draft) {
        draft.template_id = 1;
        draft.drafttype = kDraftTypeAuction;
        draft.scoringstyle = kScoringHeadToHead;
        draft.headToHead.mode = kHeadToHeadEachCategory;
        draft.headToHead.gamesPerWeek = 4.1;  // a week is 1/20 of the season
        draft.dollars = 200.0;
        draft.minbid = 1.0;
        setRounds(draft, utilitySlots);
        draft.draftdirection = "U";
    });
    SlotCounts counts{};
    counts[kUtility] = utilitySlots;
    slots(counts);
    model.projectionYear = 2019;
    for (const auto& [categoryid, ratio] : categories) {
        const CategoryDefinition* definition = findCategory(categoryid);
        model.categories.push_back({definition, &categoryFormula(*definition), 1.0, false, ratio});
    }
    for (int t = 1; t <= teams; ++t) {
        model.teams.push_back({t, "Owner " + std::to_string(t), t, t == 1, false});
    }
}

PuntLeague& PuntLeague::player(int playerid, std::uint8_t positions,
                               std::initializer_list<std::pair<StatColumn, double>> columns) {
    ModelPlayer player;
    player.playerid = playerid;
    player.yearofprojection = model.projectionYear;
    player.firstname = "First" + std::to_string(playerid);
    player.lastname = "Last" + std::to_string(playerid);
    player.positions = positions;
    player.projected = true;
    for (const auto& [column, value] : columns) {
        statOf(player.stats, column) = value;
    }
    statOf(player.stats, StatColumn::Games) = 82.0;
    const auto at =
        std::lower_bound(model.players.begin(), model.players.end(), playerid,
                         [](const ModelPlayer& row, int id) { return row.playerid < id; });
    model.players.insert(at, std::move(player));
    return *this;
}

PuntLeague& PuntLeague::pick(int playerid, int position, const std::string& slot) {
    const int teamid = model.teams[static_cast<std::size_t>(position - 1)].teamid;
    applyPick(model, playerid, teamid, slot, static_cast<int>(model.picks.size()) + 1, 0.0);
    return *this;
}

PuntLeague& PuntLeague::snake(int rounds, int position) {
    model.changeSettings([rounds](DraftSettings& draft) {
        draft.drafttype = kDraftTypeSnake;
        setRounds(draft, rounds);
    });
    for (ModelTeam& team : model.teams) {
        team.onClock = team.draftposition == position;
    }
    return *this;
}

PuntLeague& PuntLeague::slots(SlotCounts counts) {
    model.changeSettings([&counts](DraftSettings& draft) { setSlotCounts(draft, counts); });
    return *this;
}

}  // namespace quorvane::test
