// SPDX-License-Identifier: MIT
#include "online/RoomAnswerCheck.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "online/AnswerJson.h"
#include "room/RoomValues.h"
#include "text/CheckedNumber.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

// No league plays for more than this a team; a larger budget is a broken answer.
constexpr FieldRange kBudgetRange{1.0, 100000.0};

std::string pickText(const RoomPick& pick) {
    return "pick " + std::to_string(pick.pickNo);
}

std::string namesProblem(const RoomDraft& draft, const std::vector<RoomPick>& picks) {
    for (const RoomTeam& team : draft.teamList) {
        if (const std::string problem = roomTextProblem(team.name); !problem.empty()) {
            return "the name of team " + std::to_string(team.number) + " " + problem;
        }
    }
    for (const RoomPick& pick : picks) {
        const std::pair<const char*, const std::string*> fields[] = {
            {"player id", &pick.playerId},
            {"first name", &pick.firstName},
            {"last name", &pick.lastName},
            {"player's team", &pick.proTeam},
            {"position", &pick.position}};
        for (const auto& [what, text] : fields) {
            if (const std::string problem = roomTextProblem(*text); !problem.empty()) {
                return pickText(pick) + "'s " + what + " " + problem;
            }
        }
    }
    return {};
}

std::string numbersProblem(const RoomDraft& draft, const std::vector<RoomPick>& picks, int rounds) {
    const long long lastPick = static_cast<long long>(std::max(draft.teams, 0)) * rounds;
    if (!picks.empty() && lastPick <= 0) {
        return "the draft gives no number of teams or rounds";
    }
    if (static_cast<long long>(picks.size()) > lastPick) {
        return "the answer holds " + std::to_string(picks.size()) + " picks, more than the " +
               std::to_string(lastPick) + " the draft holds";
    }
    std::set<int> seen;
    const std::vector<int> listed = draft.listedTeams();
    for (const RoomPick& pick : picks) {
        if (pick.pickNo < 1 || pick.pickNo > lastPick) {
            return pickText(pick) + " is beyond the draft's last pick, " + std::to_string(lastPick);
        }
        if (!seen.insert(pick.pickNo).second) {
            return pickText(pick) + " appears twice";
        }
        if (pick.teamLabel.empty()) {
            return pickText(pick) + " names no team";
        }
        if (pick.team == 0 || !std::binary_search(listed.begin(), listed.end(), pick.team)) {
            return pickText(pick) + " is for " + pick.teamLabel + ", which the room never listed";
        }
        if (pick.playerId.empty()) {
            return pickText(pick) + " names no player";
        }
    }
    return {};
}

constexpr const char* kNotDollars = "is not written as dollars (digits and a decimal point)";

// What is wrong with a price the checked reader took, for what the draft allows. A keeper may
// stand at $0: a room that does not know what he was kept for writes 0, as for no price at all.
std::string priceFormProblem(std::string_view text, double price, bool keeper,
                             const DraftMoney& money) {
    if (!isPlainDecimal(trimmedView(text))) {
        return kNotDollars;
    }
    if (price < money.minimumBid && !(keeper && price == 0.0)) {
        return "is below the minimum bid of $" + numberText(money.minimumBid);
    }
    if (money.wholeDollars && price != std::floor(price)) {
        return "has cents, but the draft counts whole dollars";
    }
    return {};
}

// Reads every price in pick-number order against what its team has left.
std::string pricesProblem(const RoomDraft& draft, std::vector<RoomPick>& picks,
                          const DraftMoney& money) {
    double budget = money.budget;
    if (draft.budgetText) {
        const NumberReading reading =
            readCheckedNumber(*draft.budgetText, kDecimalPoint, kBudgetRange);
        if (!reading.ok()) {
            return "the budget \"" + *draft.budgetText + "\" " +
                   numberProblemText(reading, kBudgetRange);
        }
        if (!isPlainDecimal(trimmedView(*draft.budgetText))) {
            return "the budget \"" + *draft.budgetText + "\" " + kNotDollars;
        }
        budget = reading.value;
    }
    std::map<int, double> spent;
    for (RoomPick& pick : picks) {
        if (!pick.priceText) {
            // A keeper placed on the board may come without the price he was kept for; a bought
            // player always has one.
            if (pick.isKeeper) {
                continue;
            }
            return pickText(pick) + " has no price";
        }
        const std::string priceText = pickText(pick) + "'s price \"" + *pick.priceText + "\" ";
        const FieldRange canPay{0.0, std::max(budget - spent[pick.team], 0.0)};
        const NumberReading reading = readCheckedNumber(*pick.priceText, kDecimalPoint, canPay);
        if (!reading.ok()) {
            std::string problem = priceText + numberProblemText(reading, canPay);
            if (reading.status == NumberStatus::OutOfRange) {
                problem += " (what " + pick.teamLabel + " can still pay)";
            }
            return problem;
        }
        if (const std::string problem =
                priceFormProblem(*pick.priceText, reading.value, pick.isKeeper, money);
            !problem.empty()) {
            return priceText + problem;
        }
        pick.amount = reading.value;
        spent[pick.team] += reading.value;
    }
    return {};
}

}  // namespace

DraftMoney draftMoneyOf(const DraftSettings& draft) {
    return {draft.dollars, draft.minbid, priceDecimals(draft) == 0};
}

int roomRounds(const RoomDraft& draft, int ownRounds) {
    return draft.rounds > 0 ? draft.rounds : ownRounds;
}

CheckedAnswer checkRoomAnswer(const RoomDraft& draft, std::vector<RoomPick> picks, int rounds,
                              const DraftMoney& money) {
    CheckedAnswer checked;
    std::stable_sort(picks.begin(), picks.end(),
                     [](const RoomPick& a, const RoomPick& b) { return a.pickNo < b.pickNo; });
    for (RoomPick& pick : picks) {
        pick.amount.reset();
    }
    checked.problem = numbersProblem(draft, picks, roomRounds(draft, rounds));
    if (checked.problem.empty()) {
        checked.problem = namesProblem(draft, picks);
    }
    if (checked.problem.empty() && draft.auction() && draft.givesPrices) {
        checked.problem = pricesProblem(draft, picks, money);
    }
    if (checked.problem.empty()) {
        checked.picks = std::move(picks);
    }
    return checked;
}

}  // namespace quorvane
