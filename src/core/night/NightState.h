// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "night/LotRules.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// What the pages are sent about the room.
struct NightStateInput {
    const DraftModel& model;
    const DraftSettings& settings;
    std::uint64_t version = 0;
    bool paused = false;
    const std::optional<Lot>& lot;
    std::optional<std::int64_t> clockLeftMs;  // while paused
    std::optional<std::int64_t> pickDeadlineMs;
    std::int64_t nowMs = 0;
    const std::string& notice;
};

// A team's money, largest bid and open roster places as the board shows them.
struct NightTeamFigures {
    int money = 0;
    int maxBid = 0;
    int openSlots = 0;
};
NightTeamFigures nightTeamFigures(const DraftModel& model, int teamid);

// The room as JSON: version, paused, complete, turn, nominating_team, lot, teams, picks and the
// draft's kind, rounds and latest notice.
std::string nightStateJson(const NightStateInput& input);

// The players of the draft's season, best rank first (players without one last): id, name,
// position, NBA team, value and rank.
std::string nightPlayersJson(const DraftModel& model);

}  // namespace quorvane
