// SPDX-License-Identifier: MIT
#include "valuation/StoredValues.h"

#include <vector>

#include "store/DraftRows.h"

namespace quorvane {

namespace {

// The row's change, if any: the stored figure is compared as stored, so an unchanged value is
// not written again.
std::optional<PlayerValueRow> changeOf(const ModelPlayer& row, const StoredFigures& figures) {
    PlayerValueRow change{row.playerid, row.yearofprojection, std::nullopt, std::nullopt};
    if (figures.dollars && *figures.dollars != row.dollars) {
        change.dollars = figures.dollars;
    }
    if (figures.draftorder && *figures.draftorder != row.rank) {
        change.draftorder = figures.draftorder;
    }
    if (!change.dollars && !change.draftorder) {
        return std::nullopt;
    }
    return change;
}

}  // namespace

bool storeValues(Connection& connection, DraftModel& model,
                 const std::function<StoredFigures(const ModelPlayer& row)>& figuresOf) {
    std::vector<PlayerValueRow> changes;
    std::vector<ModelPlayer*> changed;
    for (std::vector<ModelPlayer>* rows : {&model.players, &model.otherSeasons}) {
        for (ModelPlayer& row : *rows) {
            if (auto change = changeOf(row, figuresOf(row))) {
                changes.push_back(*change);
                changed.push_back(&row);
            }
        }
    }
    if (!writePlayerValues(connection, changes)) {
        return false;
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (changes[i].dollars) {
            changed[i]->dollars = *changes[i].dollars;
        }
        if (changes[i].draftorder) {
            changed[i]->rank = static_cast<int>(*changes[i].draftorder);
        }
    }
    return true;
}

}  // namespace quorvane
