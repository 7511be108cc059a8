// SPDX-License-Identifier: MIT
#include "session/ApplyServiceSettings.h"

#include <utility>

#include "platform/ServiceSettings.h"
#include "session/ProgramState.h"

namespace quorvane {

void applyServiceSettings(ProgramState& state) {
    ServiceSettings settings = loadServiceSettings(state.dataFolder);
    state.serviceHost = std::move(settings.serviceHost);
    state.supportAddress = std::move(settings.supportAddress);
}

}  // namespace quorvane
