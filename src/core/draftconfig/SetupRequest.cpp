// SPDX-License-Identifier: MIT
#include "draftconfig/SetupRequest.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/CheckedNumber.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaxMoney = 1000000.0;
constexpr int kMaxRoundsIndex = 50;
constexpr int kMostSlots = 10;
constexpr int kMostUtilitySlots = 12;

double typedNumber(const std::string& text) {
    return parseNumber(trimRight(text)).value_or(kNotANumber);
}

// The head-to-head boxes read their figure within its range or not at all.
double typedFigure(const std::string& text, FieldRange range) {
    const NumberReading reading = readCheckedNumber(text, kDecimalPoint, range);
    return reading.ok() ? reading.value : kNotANumber;
}

// NaN is never in range.
bool inRange(double value, double low, double high) {
    return value >= low && value <= high;
}

bool inRange(double value, FieldRange range) {
    return inRange(value, range.low, range.high);
}

// Draft orders must be exactly 1..N, each once: a check of the sum alone lets 2, 2, 2 through
// and leaves no team at position 1.
bool ordersArePermutation(const std::vector<SetupTeamEntry>& teams) {
    std::vector<bool> seen(teams.size() + 1, false);
    for (const SetupTeamEntry& team : teams) {
        if (!inRange(team.order, 1, static_cast<double>(teams.size())) ||
            std::floor(team.order) != team.order) {
            return false;
        }
        const auto position = static_cast<std::size_t>(team.order);
        if (seen[position]) {
            return false;
        }
        seen[position] = true;
    }
    return true;
}

// A cap is whole dollars from $1: "-0", "0.5" and "1e-300" each left an auction with no money to
// bid, and no league plays for cents of a cap.
bool isSalaryCap(double cap) {
    return inRange(cap, 1, kMaxMoney) && cap == std::floor(cap);
}

SetupDecision refused(std::string text, SetupTab tab) {
    return {Decision{Message{"Invalid Data", std::move(text), MessageIcon::Exclamation}, {}}, tab};
}

// The head-to-head settings are checked only when the style is chosen: a rotisserie league
// keeps whatever its hidden boxes hold.
std::optional<SetupDecision> decideHeadToHead(const SetupRequest& request) {
    if (request.headToHeadMode != kHeadToHeadEachCategory &&
        request.headToHeadMode != kHeadToHeadMostCategories) {
        return refused("Please select a head-to-head mode before saving.", SetupTab::League);
    }
    if (!inRange(request.gamesPerWeek, kGamesPerWeekRange)) {
        return refused("The games per week value is invalid.", SetupTab::League);
    }
    for (std::size_t box = 0; box < request.categoryTicked.size(); ++box) {
        if (request.categoryTicked[box] &&
            !inRange(request.varianceRatio[box], kVarianceRatioRange)) {
            return refused(
                "Invalid variance ratio for category: " + categoryLabel(kSetupCategoryBoxes[box]),
                SetupTab::League);
        }
    }
    return std::nullopt;
}

std::optional<SetupDecision> decideDraftAndRoster(const SetupRequest& request) {
    if (request.draftType < kDraftTypeAuction || request.draftType > kDraftTypeStraight) {
        return refused("Please select a draft/auction style before saving.", SetupTab::Draft);
    }
    if (request.roundsIndex < 0 || request.roundsIndex > kMaxRoundsIndex) {
        return refused("The number of rounds is invalid.", SetupTab::Draft);
    }
    if (request.draftType == kDraftTypeAuction) {
        if (!isSalaryCap(request.salaryCap)) {
            return refused("The salary cap is invalid.", SetupTab::Draft);
        }
        if (!inRange(request.minBid, 0, kMaxMoney)) {
            return refused("The minimum bid value is invalid.", SetupTab::Draft);
        }
    }
    int slotTotal = 0;
    for (std::size_t list = 0; list < request.rosterSlots.size(); ++list) {
        const int most = list == kListUT ? kMostUtilitySlots : kMostSlots;
        const int slots = request.rosterSlots[list];
        if (slots < 0 || slots > most) {
            return refused(std::string("The roster requirement for ") + kRosterListNames[list] +
                               " is invalid.",
                           SetupTab::Roster);
        }
        slotTotal += slots;
    }
    if (slotTotal < 1) {
        return refused("You must require at least one position on your roster.", SetupTab::Roster);
    }
    return std::nullopt;
}

}  // namespace

SetupRequest typedSetup(const SetupForm& form) {
    SetupRequest request;
    request.scoringStyle = form.scoringStyle;
    request.headToHeadMode = form.headToHeadMode;
    request.gamesPerWeek = typedFigure(form.gamesPerWeek, kGamesPerWeekRange);
    request.draftType = form.draftType;
    request.roundsIndex = form.roundsIndex;
    request.salaryCap = typedNumber(form.salaryCap);
    request.minBid = typedNumber(form.minBid);
    request.categoryTicked = form.categoryTicked;
    for (std::size_t box = 0; box < form.categoryWeight.size(); ++box) {
        request.varianceRatio[box] = typedFigure(form.varianceRatio[box], kVarianceRatioRange);
        request.categoryWeight[box] = typedNumber(form.categoryWeight[box]);
    }
    request.rosterSlots = form.rosterSlots;
    for (const SetupTeamRow& row : form.teamRows) {
        request.teams.push_back(
            {row.teamid, trimRight(row.name), typedNumber(row.order), row.mine});
    }
    return request;
}

SetupDecision decideSetupSave(const SetupRequest& request) {
    if (request.scoringStyle != kScoringRotisserie && request.scoringStyle != kScoringPoints &&
        request.scoringStyle != kScoringHeadToHead) {
        return refused("Please select a scoring style before saving.", SetupTab::League);
    }
    if (auto refusal = decideDraftAndRoster(request)) {
        return *refusal;
    }
    if (request.scoringStyle == kScoringPoints) {
        for (std::size_t box = 0; box < request.categoryTicked.size(); ++box) {
            if (request.categoryTicked[box] && !inRange(request.categoryWeight[box], -999, 1000)) {
                return refused(
                    "Invalid point value for category: " + categoryLabel(kSetupCategoryBoxes[box]),
                    SetupTab::League);
            }
        }
    }
    if (std::none_of(request.categoryTicked.begin(), request.categoryTicked.end(),
                     [](bool ticked) { return ticked; })) {
        return refused("You must have at least one category", SetupTab::League);
    }
    if (request.scoringStyle == kScoringHeadToHead) {
        if (auto refusal = decideHeadToHead(request)) {
            return *refusal;
        }
    }
    for (std::size_t at = 0; at < request.teams.size(); ++at) {
        const SetupTeamEntry& team = request.teams[at];
        if (team.name.empty()) {
            return refused("All teams must have a name.", SetupTab::Team);
        }
        // The row, not the name, says which team: the name may be what cannot be shown.
        if (const auto problem = textProblem(team.name, kMaxTeamNameCharacters)) {
            return refused(
                "The name of the team in row " + std::to_string(at + 1) + " " + *problem + ".",
                SetupTab::Team);
        }
        if (std::isnan(team.order)) {
            return refused("Draft order is invalid", SetupTab::Team);
        }
    }
    if (!ordersArePermutation(request.teams)) {
        return refused("Draft order is invalid", SetupTab::Team);
    }
    return {};
}

}  // namespace quorvane
