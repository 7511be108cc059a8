// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "room/RuleMessage.h"
#include "store/DraftPlayerRepository.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// Custom players are numbered apart from the projections' ids.
inline constexpr int kFirstCustomPlayerId = 20000;

struct CustomPlayer {
    std::string firstname;
    std::string lastname;
    std::string pos;  // one of kCustomPositions
    std::string team;
};

inline constexpr RuleMessage kInvalidFirstName{"Invalid First Name", "First Name is invalid"};
inline constexpr RuleMessage kInvalidLastName{"Invalid Last Name", "Last Name is invalid"};
inline constexpr RuleMessage kPlayerExists{"Player Exists",
                                           "A player with that name already exists."};

// Refused without a word: a position the window never offers.
struct SilentRefusal {};

// What the request stores (the row without its id and date), or why it stores nothing. The
// names are checked first, a blank one refused, then one that is no text a name can be (a
// control character, more than 100 characters ...) with what is wrong; then the team, then the
// position, a guard or forward stored under his group with his own flag set.
using CustomPlayerRuling = std::variant<CustomPlayerRow, RuleMessage, Message, SilentRefusal>;
CustomPlayerRuling ruleCustomPlayer(const CustomPlayer& player);

// Any player of the file already named so, in any season, refuses the new one.
std::optional<RuleMessage> namesakeRefusal(std::int64_t playersOfThatName);

// The id after the highest custom id given so far (0 when none was).
int nextCustomPlayerid(int highestSoFar);

}  // namespace quorvane
