// SPDX-License-Identifier: MIT
#include "model/ModelChanges.h"

#include <algorithm>
#include <utility>

namespace quorvane {

namespace {

const ModelPick* pickOf(const DraftModel& model, int playerid) {
    const auto held =
        std::find_if(model.picks.begin(), model.picks.end(),
                     [playerid](const ModelPick& pick) { return pick.playerid == playerid; });
    return held != model.picks.end() ? &*held : nullptr;
}

}  // namespace

void applyKeeperRemoved(DraftModel& model, int playerid) {
    const ModelPick* pick = pickOf(model, playerid);
    if (pick != nullptr && pick->pickNumber == 0) {
        applyPick(model, playerid, 0, "", 0, 0.0);
    }
}

void applyMove(DraftModel& model, int playerid, int teamid, const std::string& slot,
               std::optional<double> price) {
    const ModelPick* pick = pickOf(model, playerid);
    if (pick == nullptr) {
        return;
    }
    applyPick(model, playerid, teamid, slot, pick->pickNumber, price.value_or(pick->price));
}

void applyDrop(DraftModel& model, int playerid, int teamid) {
    const ModelPick* pick = pickOf(model, playerid);
    if (pick != nullptr && pick->teamid == teamid) {
        applyPick(model, playerid, 0, "", 0, 0.0);
    }
}

void applyFlag(DraftModel& model, int playerid, int flag) {
    if (ModelPlayer* player = model.findPlayer(playerid)) {
        player->flag = flag;
    }
    for (ModelPlayer& season : model.otherSeasons) {
        if (season.playerid == playerid) {
            season.flag = flag;
        }
    }
}

void applyNote(DraftModel& model, int playerid, const std::string& note) {
    if (ModelPlayer* player = model.findPlayer(playerid)) {
        player->notes = note;
    }
}

void applyAddedPlayer(DraftModel& model, std::vector<ModelPlayer> rows) {
    const auto before = [](const ModelPlayer& a, const ModelPlayer& b) {
        return a.playerid != b.playerid ? a.playerid < b.playerid
                                        : a.yearofprojection < b.yearofprojection;
    };
    for (ModelPlayer& row : rows) {
        std::vector<ModelPlayer>& season =
            row.yearofprojection == model.projectionYear ? model.players : model.otherSeasons;
        season.insert(std::upper_bound(season.begin(), season.end(), row, before), std::move(row));
    }
}

}  // namespace quorvane
