// SPDX-License-Identifier: MIT
#include "session/ValuationConversation.h"

#include "session/AskConsent.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "valuation/Ranks.h"
#include "valuation/SgpDenominators.h"

namespace quorvane {

namespace {

std::optional<std::vector<TargetRow>> shownPanel(UserDialogs& dialogs,
                                                 Outcome<TargetPanel>&& panel) {
    if (panel && panel->unreadChances) {
        showWriteFailure(dialogs, *panel->unreadChances);
    }
    std::optional<TargetPanel> shownPanel = shown(dialogs, std::move(panel));
    if (!shownPanel) {
        return std::nullopt;
    }
    return std::move(shownPanel->rows);
}

}  // namespace

bool calcRoomValues(ProgramState& state, UserDialogs& dialogs) {
    return shown(dialogs, calcRoomValues(state, state.showInflation)).has_value();
}

bool calcRanks(ProgramState& state, UserDialogs& dialogs) {
    return shown(dialogs, calcRanks(state, state.showInflation)).has_value();
}

void fixSgpDenominators(ProgramState& state, UserDialogs& dialogs) {
    for (const WriteFailure& failure : fixSgpDenominators(state.dbConnection, state.appVersion)) {
        showWriteFailure(dialogs, failure);
    }
}

std::optional<std::vector<TargetRow>> showCategoryTargets(ProgramState& state,
                                                          UserDialogs& dialogs) {
    return shownPanel(dialogs, showCategoryTargets(state, state.includeReserves));
}

std::optional<std::vector<TargetRow>> showCategoryTargets(
    ProgramState& state, UserDialogs& dialogs,
    const std::optional<std::vector<StandingsEntry>>& standings) {
    return shownPanel(dialogs, showCategoryTargets(state, state.includeReserves, standings));
}

std::optional<std::vector<TargetRow>> saveCategoryTargets(
    ProgramState& state, UserDialogs& dialogs, const std::vector<std::string>& targetTexts) {
    return shownPanel(dialogs, saveCategoryTargets(state, state.includeReserves, targetTexts));
}

}  // namespace quorvane
