// SPDX-License-Identifier: MIT
#include "HeadToHeadDrafts.h"

#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "practice/OpponentPicks.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"
#include "vocabulary/TurnRules.h"

namespace quorvane::bench {

std::optional<DraftModel> sampleHeadToHeadDraft(BenchDatabase& database, int mode,
                                                bool everyoneCounts) {
    if (!database.loadSampleProjections()) {
        return std::nullopt;
    }
    ProgramState& state = database.state;
    const NewDraftChoice choice{"Weekly", kLeagueTeams - 1, false, false, true, mode};
    const std::optional<int> id = createDraft(state, database.dialogs, choice);
    if (!id || !loadDraft(state, *id)) {
        return std::nullopt;
    }
    std::optional<DraftModel> model = loadDraftModel(state, database.dialogs);
    if (!model) {
        return std::nullopt;
    }
    if (everyoneCounts) {
        model->changeSettings([](DraftSettings& draft) {
            draft.UT += draft.R;
            draft.R = 0;
        });
    }
    model->changeSettings([](DraftSettings& draft) { draft.roundsIndex = kLeagueRounds - 1; });
    return model;
}

std::optional<std::size_t> teamOnClock(const DraftModel& model) {
    if (static_cast<int>(model.picks.size()) >= model.teamCount() * model.rounds()) {
        return std::nullopt;
    }
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        if (model.teams[t].onClock) {
            return t;
        }
    }
    return std::nullopt;
}

void takeTurn(DraftModel& model, std::size_t team, std::size_t player) {
    const ModelPlayer& chosen = model.players[player];
    const std::string slot = openSlotFor(model, team, chosen).value_or("NA");
    applyPick(model, chosen.playerid, model.teams[team].teamid, slot,
              static_cast<int>(model.picks.size()) + 1, 0.0);
    const TurnPosition next = nextTurn(model.drafttype(), model.teamCount(),
                                       {model.teams[team].draftposition, model.direction()});
    model.changeSettings([&next](DraftSettings& draft) { draft.draftdirection = next.direction; });
    for (ModelTeam& other : model.teams) {
        other.onClock = other.draftposition == next.position;
    }
}

}  // namespace quorvane::bench
