// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct ProgramState;
struct DraftSettings;
class UserDialogs;

// The checks that recording, moving and repricing a player share.

enum class CheckResult { Passed, Declined, Failed };

// The typed bid as a number. Blank, non-numeric and negative bids are refused with "Invalid
// Bid" (a negative price would hand the team money), and so is a bid above the league's whole
// pot, teams x salary cap, which no team could ever pay.
std::optional<double> readBid(UserDialogs& dialogs, std::string_view text,
                              const DraftSettings& draft);

// Log lines of the statements a check runs; the pick and move windows number them apart.
struct CheckLogLines {
    std::string_view slotCount;
    std::string_view spent;
    std::string_view playerCount;
};

// Asks whether to go on when the team could not fill its other open slots at the minimum bid
// after paying `bid`. The player's own pick (`playerid`) never counts against him.
CheckResult confirmMoney(ProgramState& state, UserDialogs& dialogs, int teamid, double bid,
                         int playerid, const CheckLogLines& lines);

// Asks whether to go on when the team's slots of `pos` are all taken (by players other than
// `playerid`). Positions outside the nine slots are not checked.
CheckResult confirmSlot(ProgramState& state, UserDialogs& dialogs, int teamid,
                        const std::string& pos, int playerid, const CheckLogLines& lines);

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
