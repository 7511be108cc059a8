// SPDX-License-Identifier: MIT
#include "advice/DraftModel.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "draftconfig/DraftSettings.h"

namespace quorvane {

bool DraftModel::auction() const {
    return drafttype == kDraftTypeAuction;
}

bool DraftModel::pointsLeague() const {
    return scoringstyle == kScoringPoints;
}

const ModelPlayer* DraftModel::findPlayer(int playerid) const {
    const auto found =
        std::lower_bound(players.begin(), players.end(), playerid,
                         [](const ModelPlayer& player, int id) { return player.playerid < id; });
    return found != players.end() && found->playerid == playerid ? &*found : nullptr;
}

ModelPlayer* DraftModel::findPlayer(int playerid) {
    return const_cast<ModelPlayer*>(std::as_const(*this).findPlayer(playerid));
}

const ModelTeam* DraftModel::findTeam(int teamid) const {
    for (const ModelTeam& team : teams) {
        if (team.teamid == teamid) {
            return &team;
        }
    }
    return nullptr;
}

const ModelTeam* DraftModel::myTeam() const {
    for (const ModelTeam& team : teams) {
        if (team.mine) {
            return &team;
        }
    }
    return nullptr;
}

bool isStartingSlot(const std::string& slot) {
    constexpr std::array<std::string_view, 8> kStarting = {"C", "F",  "PF", "SF",
                                                           "G", "PG", "SG", "UT"};
    return std::find(kStarting.begin(), kStarting.end(), slot) != kStarting.end();
}

void setPunts(DraftModel& model, const std::vector<int>& categoryids) {
    for (ModelCategory& category : model.categories) {
        category.punted = std::find(categoryids.begin(), categoryids.end(),
                                    category.definition->categoryid) != categoryids.end();
    }
}

std::vector<int> puntedCategories(const DraftModel& model) {
    std::vector<int> ids;
    for (const ModelCategory& category : model.categories) {
        if (category.punted) {
            ids.push_back(category.definition->categoryid);
        }
    }
    return ids;
}

void applyPick(DraftModel& model, int playerid, int teamid, const std::string& slot, int pickNumber,
               double price) {
    if (ModelPlayer* player = model.findPlayer(playerid)) {
        player->teamid = teamid;
        player->slot = slot;
        player->pickNumber = pickNumber;
        player->price = price;
    }
}

}  // namespace quorvane
