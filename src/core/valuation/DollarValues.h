// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Dollar values of every player of the projection season for the open draft, written to
// DraftPlayers.dollars. Mode "B" (any case) is the draft room's run, after which the caller
// refills the available-players grid; "RANK" is the run made for the ranks. Inflation follows
// state.showInflation. False after a failure was reported; the run's writes are then undone.
bool calcDollarValues(ProgramState& state, UserDialogs& dialogs, std::string_view mode);

}  // namespace quorvane
