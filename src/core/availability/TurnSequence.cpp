// SPDX-License-Identifier: MIT
#include "availability/TurnSequence.h"

#include <algorithm>

#include "availability/PortableRandom.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

namespace {

int lastPickNumber(const DraftModel& model) {
    int last = 0;
    for (const ModelPick& pick : model.picks) {
        last = std::max(last, pick.pickNumber);
    }
    return last;
}

std::optional<std::size_t> teamAt(const DraftModel& model, int draftposition) {
    for (std::size_t t = 0; t < model.teams.size(); ++t) {
        if (model.teams[t].draftposition == draftposition) {
            return t;
        }
    }
    return std::nullopt;
}

}  // namespace

ComingTurns comingTurns(const DraftModel& model) {
    ComingTurns turns;
    turns.firstTurn = turnOnTheClock(model);
    TurnPosition turn;
    for (const ModelTeam& team : model.teams) {
        if (team.onClock) {
            turn = {team.draftposition, model.direction()};
        }
    }
    if (model.auction() || turn.position == 0) {
        return turns;
    }
    // The draft ends at the last pick of its last round, as the room ends it.
    const int left = model.teamCount() * model.rounds() - lastPickNumber(model);
    for (int n = 0; n < left; ++n) {
        if (const std::optional<std::size_t> team = teamAt(model, turn.position)) {
            turns.teams.push_back(*team);
        }
        turn = nextTurn(model.drafttype(), model.teamCount(), turn);
    }
    return turns;
}

Horizons horizonsOf(const ComingTurns& turns, std::size_t team) {
    std::vector<std::size_t> own;
    for (std::size_t at = 0; at < turns.teams.size() && own.size() < 3; ++at) {
        if (turns.teams[at] == team) {
            own.push_back(at);
        }
    }
    // The turn on the clock is the user's present pick, not one he waits for.
    if (!own.empty() && own.front() == 0) {
        own.erase(own.begin());
    }
    Horizons horizons;
    if (!own.empty()) {
        horizons.first = own[0];
    }
    if (own.size() > 1) {
        horizons.second = own[1];
    }
    return horizons;
}

int turnOnTheClock(const DraftModel& model) {
    return lastPickNumber(model) + 1;
}

std::uint64_t defaultSeed(const DraftModel& model) {
    return mixSeed(static_cast<std::uint64_t>(model.template_id()),
                   static_cast<std::uint64_t>(turnOnTheClock(model)));
}

}  // namespace quorvane
