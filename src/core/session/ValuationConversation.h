// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "valuation/CategoryTargets.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The valuation runs as the desktop program and the command line start them: inflation and
// reserves as the person set them, and a failure shown as the run returns it. False (nullopt)
// after a failure, which was shown when it has words.

bool calcRoomValues(ProgramState& state, UserDialogs& dialogs);
bool calcRanks(ProgramState& state, UserDialogs& dialogs);

// The start-up correction of old denominators; every failed write is shown in its turn.
void fixSgpDenominators(ProgramState& state, UserDialogs& dialogs);

// The targets panel; chances of a head-to-head league that could not be read are told, and the
// panel comes without them.
std::optional<std::vector<TargetRow>> showCategoryTargets(ProgramState& state,
                                                          UserDialogs& dialogs);
std::optional<std::vector<TargetRow>> showCategoryTargets(
    ProgramState& state, UserDialogs& dialogs,
    const std::optional<std::vector<StandingsEntry>>& standings);
std::optional<std::vector<TargetRow>> saveCategoryTargets(
    ProgramState& state, UserDialogs& dialogs, const std::vector<std::string>& targetTexts);

}  // namespace quorvane
