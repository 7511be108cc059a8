// SPDX-License-Identifier: MIT
#include "room/PickChecks.h"

#include <algorithm>
#include <cctype>

#include "model/DraftModel.h"
#include "model/TeamFigures.h"
#include "text/NumberText.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane {

std::optional<CheckQuestion> moneyQuestion(const DraftSettings& draft, double bid, double spent,
                                           std::int64_t otherPlayers) {
    const double otherOpenSlots =
        static_cast<double>(draft.rosterSize() - 1) - static_cast<double>(otherPlayers);
    if (!(bid + spent + otherOpenSlots * draft.minbid > draft.dollars)) {
        return std::nullopt;
    }
    return CheckQuestion{"Not Enough Money",
                         "The selected team does not have enough money to buy this player.  Do "
                         "you want to still add this player to the team?"};
}

std::optional<CheckQuestion> slotQuestion(const DraftSettings& draft, const std::string& pos,
                                          std::int64_t taken) {
    const std::optional<int> slots = slotCount(draft, pos);
    if (!slots || taken < *slots) {
        return std::nullopt;
    }
    return CheckQuestion{"No Roster Spot Available",
                         "A " + pos +
                             " roster spot is not available for this team.  Do you want to "
                             "still add this player to the team?"};
}

std::vector<CheckQuestion> moneyAndSlotQuestions(const DraftModel& model, int playerid, int teamid,
                                                 const std::string& slot, double price) {
    std::vector<CheckQuestion> questions;
    const DraftSettings& draft = *model.settings;
    if (model.auction()) {
        if (auto money = moneyQuestion(draft, price, moneySpent(model, teamid, playerid),
                                       playersOn(model, teamid, playerid))) {
            questions.push_back(std::move(*money));
        }
    }
    if (auto held = slotQuestion(draft, slot, slotHolders(model, teamid, slot, playerid))) {
        questions.push_back(std::move(*held));
    }
    return questions;
}

std::optional<int> slotCount(const DraftSettings& draft, std::string_view pos) {
    const std::optional<std::size_t> kind = slotKindOf(pos);
    if (!kind) {
        return std::nullopt;
    }
    return slotCountOf(draft, *kind);
}

std::vector<std::string> slotChoices(const DraftSettings& draft) {
    std::vector<std::string> choices;
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        if (slotCountOf(draft, kind) > 0) {
            choices.emplace_back(kSlotKindNames[kind]);
        }
    }
    return choices;
}

PositionChoice choosePosition(const DraftSettings& draft, std::string_view wanted) {
    PositionChoice choice{slotChoices(draft), -1};
    const std::string trimmed = trim(wanted);
    for (std::size_t i = 0; i < choice.positions.size(); ++i) {
        if (choice.positions[i] == trimmed) {
            choice.selected = static_cast<int>(i);
        }
    }
    if (choice.selected < 0 && !choice.positions.empty()) {
        choice.selected = 0;
    }
    return choice;
}

}  // namespace quorvane
