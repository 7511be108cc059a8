// SPDX-License-Identifier: MIT
#include "model/TeamFigures.h"

#include <algorithm>
#include <cctype>

namespace quorvane {

namespace {

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool counts(const ModelPick& pick, int teamid, int exceptPlayer) {
    return pick.teamid == teamid && (exceptPlayer == 0 || pick.playerid != exceptPlayer);
}

}  // namespace

double moneySpent(const DraftModel& model, int teamid, int exceptPlayer) {
    double spent = 0.0;
    for (const ModelPick& pick : model.picks) {
        spent += counts(pick, teamid, exceptPlayer) ? pick.price : 0.0;
    }
    return spent;
}

int playersOn(const DraftModel& model, int teamid, int exceptPlayer) {
    return static_cast<int>(
        std::count_if(model.picks.begin(), model.picks.end(),
                      [&](const ModelPick& pick) { return counts(pick, teamid, exceptPlayer); }));
}

int slotHolders(const DraftModel& model, int teamid, std::string_view slot, int exceptPlayer) {
    return static_cast<int>(
        std::count_if(model.picks.begin(), model.picks.end(), [&](const ModelPick& pick) {
            // A pick stored without a slot holds none, as a NULL matches no text in the file.
            return counts(pick, teamid, exceptPlayer) && !pick.slotMissing &&
                   sameTextIgnoringCase(pick.slot, slot);
        }));
}

double largestBid(const DraftModel& model, int teamid) {
    const int otherPlaces = model.draft().rosterSize() - playersOn(model, teamid) - 1;
    return model.cap() - moneySpent(model, teamid) - std::max(otherPlaces, 0) * model.minbid();
}

}  // namespace quorvane
