// SPDX-License-Identifier: MIT
#include "room/PickChecks.h"

#include <algorithm>
#include <cctype>

#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftTakenRepository.h"
#include "text/NumberText.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane {

namespace {}  // namespace

std::optional<double> readBid(UserDialogs& dialogs, std::string_view text,
                              const DraftSettings& draft) {
    const std::optional<double> bid = parseNumber(text);
    const double pot = static_cast<double>(draft.teams) * draft.dollars;
    if (!bid || *bid < 0 || *bid > pot) {
        dialogs.showMessage("Invalid Bid", "Bid for this player is invalid",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    return bid;
}

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

namespace {

CheckResult askGoingOn(UserDialogs& dialogs, const std::optional<CheckQuestion>& question) {
    if (question && !dialogs.askYesNo(question->title, question->text)) {
        return CheckResult::Declined;
    }
    return CheckResult::Passed;
}

}  // namespace

CheckResult confirmMoney(ProgramState& state, UserDialogs& dialogs, int teamid, double bid,
                         int playerid, const CheckLogLines& lines) {
    const DraftSettings& draft = *state.draftSettings();
    const std::optional<double> spent =
        readMoneySpentWithout(state.dbConnection, draft.template_id, teamid, playerid);
    if (!spent) {
        reportDatabaseError(dialogs, state.dbConnection, lines.spent);
        return CheckResult::Failed;
    }
    const std::optional<std::int64_t> count =
        countTeamPlayersWithout(state.dbConnection, draft.template_id, teamid, playerid);
    if (!count) {
        reportDatabaseError(dialogs, state.dbConnection, lines.playerCount);
        return CheckResult::Failed;
    }
    return askGoingOn(dialogs, moneyQuestion(draft, bid, *spent, *count));
}

CheckResult confirmSlot(ProgramState& state, UserDialogs& dialogs, int teamid,
                        const std::string& pos, int playerid, const CheckLogLines& lines) {
    const DraftSettings& draft = *state.draftSettings();
    const std::optional<std::int64_t> taken =
        countSlotPlayersWithout(state.dbConnection, draft.template_id, teamid, pos, playerid);
    if (!taken) {
        reportDatabaseError(dialogs, state.dbConnection, lines.slotCount);
        return CheckResult::Failed;
    }
    return askGoingOn(dialogs, slotQuestion(draft, pos, *taken));
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
