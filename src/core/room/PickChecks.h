// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSettings;
struct DraftModel;

// The checks that recording and moving a player share.

// What a check asks before a team goes past its money or its slots, word for word.
using CheckQuestion = Question;

// The money rule: the question when, after paying `bid`, the team could not fill its other open
// slots at the minimum bid, having spent `spent` on `otherPlayers` players (the player's own
// pick left out of both); nullopt when it could.
std::optional<CheckQuestion> moneyQuestion(const DraftSettings& draft, double bid, double spent,
                                           std::int64_t otherPlayers);
// The slot rule: the question when the team's slots of `pos` are all held by `taken` other
// players; nullopt when one is free or `pos` is not one of the nine slots.
std::optional<CheckQuestion> slotQuestion(const DraftSettings& draft, const std::string& pos,
                                          std::int64_t taken);

// The questions of putting `playerid` on `teamid` in `slot` at `price`, in their order: the money
// rule (auctions only), then the slot rule. The player's own pick never counts against him.
std::vector<CheckQuestion> moneyAndSlotQuestions(const DraftModel& model, int playerid, int teamid,
                                                 const std::string& slot, double price);

// The slot count of one of the nine positions (any case), nullopt for another text.
std::optional<int> slotCount(const DraftSettings& draft, std::string_view pos);

// The positions the draft has slots for, in choice order C, G, PG, SG, F, PF, SF, UT, R.
std::vector<std::string> slotChoices(const DraftSettings& draft);

struct PositionChoice {
    std::vector<std::string> positions;
    int selected = -1;
    // The first `playerSlots` positions are the slots the player may fill; the rest follow them
    // after a separator. 0 when the list is not split.
    int playerSlots = 0;
    std::string selectedText() const {
        return selected >= 0 ? positions[static_cast<std::size_t>(selected)] : std::string();
    }
};
// The slot choices with `wanted` (trimmed, exact) selected, else the first.
PositionChoice choosePosition(const DraftSettings& draft, std::string_view wanted);

}  // namespace quorvane
