// SPDX-License-Identifier: MIT
#include "model/DraftModel.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

const DraftSettings& DraftModel::draft() const {
    static const DraftSettings none;
    return settings ? *settings : none;
}

SlotCounts DraftModel::slotCounts() const {
    SlotCounts counts{};
    if (settings) {
        for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
            counts[kind] = slotCountOf(*settings, kind);
        }
    }
    return counts;
}

bool DraftModel::auction() const {
    return drafttype() == kDraftTypeAuction;
}

bool DraftModel::pointsLeague() const {
    return scoringstyle() == kScoringPoints;
}

bool DraftModel::headToHead() const {
    return scoringstyle() == kScoringHeadToHead;
}

const ModelPlayer* DraftModel::findPlayer(int playerid) const {
    return findByPlayerid(players, playerid);
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

bool DraftModel::drafted(int playerid) const {
    return std::any_of(picks.begin(), picks.end(),
                       [playerid](const ModelPick& pick) { return pick.playerid == playerid; });
}

const ModelTeam* DraftModel::myTeam() const {
    for (const ModelTeam& team : teams) {
        if (team.mine) {
            return &team;
        }
    }
    return nullptr;
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
        // The player's slot reads as a fresh load gives it, the pick's as stored.
        player->slot = upperText(slot);
        player->pickNumber = pickNumber;
        player->price = price;
    }
    const auto held =
        std::find_if(model.picks.begin(), model.picks.end(),
                     [playerid](const ModelPick& pick) { return pick.playerid == playerid; });
    if (teamid == 0) {
        if (held != model.picks.end()) {
            model.picks.erase(held);
        }
    } else if (held != model.picks.end()) {
        *held = {playerid, teamid, slot, false, pickNumber, price};
    } else {
        model.picks.push_back({playerid, teamid, slot, false, pickNumber, price});
    }
}

}  // namespace quorvane
