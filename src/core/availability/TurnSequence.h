// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The draft's coming turns as its own turn order has them: the team (by index into model.teams)
// of each, the turn on the clock first, up to the draft's last turn.
struct ComingTurns {
    int firstTurn = 0;  // the number of the turn on the clock
    std::vector<std::size_t> teams;
};

// None in an auction, which has no turns, and when nobody is on the clock (a complete draft).
ComingTurns comingTurns(const DraftModel& model);

// The places in the coming turns of a team's next two turns: when it is on the clock, the two
// after this one; else its first two. Blank when the draft ends before.
struct Horizons {
    std::optional<std::size_t> first;
    std::optional<std::size_t> second;
};
Horizons horizonsOf(const ComingTurns& turns, std::size_t team);

// The number of the turn on the clock: one after the last pick.
int turnOnTheClock(const DraftModel& model);

// The seed a draft's figures come from unless another is asked for: fixed for the draft and the
// turn on the clock, so the same draft state shows the same figures.
std::uint64_t defaultSeed(const DraftModel& model);

}  // namespace quorvane
