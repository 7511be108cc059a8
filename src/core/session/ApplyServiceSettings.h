// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

struct ProgramState;

// Sets state.serviceHost from the configuration of the state's data folder.
void applyServiceSettings(ProgramState& state);

}  // namespace quorvane
