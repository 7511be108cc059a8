// SPDX-License-Identifier: MIT
#include "night/NightRecording.h"

#include "app/ProgramState.h"
#include "availability/OpponentPicks.h"
#include "night/KeptMessageDialogs.h"
#include "room/RecordPick.h"
#include "room/TurnNews.h"

namespace quorvane {

namespace {
constexpr std::string_view kNothingRecorded = "Nothing was recorded";
}  // namespace

NightVerdict recordNightPick(ProgramState& state, const DraftModel& model, int teamid, int playerid,
                             std::optional<int> price) {
    KeptMessageDialogs dialogs;
    const ModelPlayer* player = model.findPlayer(playerid);
    std::optional<std::string> slot;
    for (std::size_t t = 0; t < model.teams.size() && player != nullptr; ++t) {
        if (model.teams[t].teamid == teamid) {
            slot = openSlotFor(model, t, *player);
        }
    }
    if (!slot) {
        return NightRefusal{NightRefusal::Kind::AgainstRule,
                            "No open roster slot for player " + std::to_string(playerid)};
    }
    const PickForm form{teamid, *slot, price ? std::to_string(*price) : std::string()};
    const PickResult result = storePick(state, dialogs, playerid, form);
    switch (result.outcome) {
        case PickOutcome::Recorded:
            return std::nullopt;
        case PickOutcome::Stopped:
            return NightRefusal{NightRefusal::Kind::AgainstRule, dialogs.first(kNothingRecorded)};
        case PickOutcome::Failed:
            break;
    }
    return NightRefusal{NightRefusal::Kind::Failed, dialogs.first(kNothingRecorded)};
}

NightUndo undoNightEntry(ProgramState& state) {
    KeptMessageDialogs dialogs;
    const auto change = undoLastPickTold(state, dialogs);
    if (!change) {
        return {{}, NightRefusal{NightRefusal::Kind::Failed, dialogs.first(kNothingRecorded)}};
    }
    return {change->news, std::nullopt};
}

}  // namespace quorvane
