// SPDX-License-Identifier: MIT
#include "room/DraftPicks.h"

#include <algorithm>

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "text/LetterCase.h"

namespace quorvane {

std::vector<DraftPick> draftPicksOf(const DraftModel& model) {
    std::vector<DraftPick> picks;
    picks.reserve(model.picks.size());
    for (const ModelPick& pick : model.picks) {
        DraftPick made{pick.playerid,
                       pick.teamid,
                       pick.pickNumber,
                       pick.price,
                       {},
                       {},
                       {},
                       upperText(pick.slot),
                       0};
        if (const ModelPlayer* player = model.findPlayer(pick.playerid)) {
            made.firstname = player->firstname;
            made.lastname = player->lastname;
            made.pos = player->pos;
            made.rank = player->rank;
        }
        picks.push_back(std::move(made));
    }
    std::stable_sort(picks.begin(), picks.end(), [](const DraftPick& a, const DraftPick& b) {
        return a.draftorder < b.draftorder;
    });
    return picks;
}

std::optional<std::vector<DraftPick>> readDraftPicks(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        session.dbConnection.log().writeEntry(" 90200 error: could not read the draft's picks");
        return std::nullopt;
    }
    return draftPicksOf(*model);
}

const DraftModel* heldModelForLists(DraftSession& session) {
    const Outcome<const DraftModel*> model = currentDraftModel(session);
    return model ? *model : nullptr;
}

int picksMade(const std::vector<DraftPick>& picks) {
    return static_cast<int>(std::count_if(picks.begin(), picks.end(),
                                          [](const DraftPick& p) { return p.draftorder > 0; }));
}

}  // namespace quorvane
