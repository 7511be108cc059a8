// SPDX-License-Identifier: MIT
#include "draftconfig/SetupEditor.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "model/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftSetupRows.h"
#include "store/HeadToHeadRows.h"
#include "store/TransactionGuard.h"
#include "text/CheckedNumber.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"
#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr std::string_view kInvalidDataTitle = "Invalid Data";
constexpr double kMaxMoney = 1000000.0;
constexpr int kMaxRoundsIndex = 50;

std::optional<double> numberInRange(const std::string& text, double low, double high) {
    const auto value = parseNumber(trimRight(text));
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

// A cap is whole dollars from $1: "-0", "0.5" and "1e-300" each left an auction with no money to
// bid, and no league plays for cents of a cap.
bool isSalaryCap(const std::string& text) {
    const auto cap = numberInRange(text, 1, kMaxMoney);
    return cap && *cap == std::floor(*cap);
}

// Draft orders must be exactly 1..N, each once: a check of the sum alone lets 2, 2, 2 through
// and leaves no team at position 1.
bool ordersArePermutation(const std::vector<SetupTeamRow>& rows) {
    std::vector<bool> seen(rows.size() + 1, false);
    for (const SetupTeamRow& row : rows) {
        const auto order = parseNumber(trimRight(row.order));
        if (!order || std::floor(*order) != *order || *order < 1 ||
            *order > static_cast<double>(rows.size())) {
            return false;
        }
        const auto position = static_cast<std::size_t>(*order);
        if (seen[position]) {
            return false;
        }
        seen[position] = true;
    }
    return true;
}

struct Refusal {
    std::string message;
    std::optional<SetupTab> tab;
};

std::optional<double> checkedFigure(const std::string& text, FieldRange range) {
    const NumberReading reading = readCheckedNumber(text, kDecimalPoint, range);
    return reading.ok() ? std::optional<double>(reading.value) : std::nullopt;
}

// The head-to-head settings are checked only when the style is chosen: a rotisserie league
// keeps whatever its hidden boxes hold.
std::optional<Refusal> validateHeadToHead(const SetupForm& form) {
    if (form.headToHeadMode != kHeadToHeadEachCategory &&
        form.headToHeadMode != kHeadToHeadMostCategories) {
        return Refusal{"Please select a head-to-head mode before saving.", SetupTab::League};
    }
    if (!checkedFigure(form.gamesPerWeek, kGamesPerWeekRange)) {
        return Refusal{"The games per week value is invalid.", SetupTab::League};
    }
    for (std::size_t box = 0; box < form.categoryTicked.size(); ++box) {
        if (form.categoryTicked[box] &&
            !checkedFigure(form.varianceRatio[box], kVarianceRatioRange)) {
            return Refusal{
                "Invalid variance ratio for category: " + categoryLabel(kSetupCategoryBoxes[box]),
                SetupTab::League};
        }
    }
    return std::nullopt;
}

std::optional<Refusal> validate(const SetupForm& form) {
    if (form.scoringStyle != kScoringRotisserie && form.scoringStyle != kScoringPoints &&
        form.scoringStyle != kScoringHeadToHead) {
        return Refusal{"Please select a scoring style before saving.", SetupTab::League};
    }
    if (form.draftType < kDraftTypeAuction || form.draftType > kDraftTypeStraight) {
        return Refusal{"Please select a draft/auction style before saving.", SetupTab::Draft};
    }
    if (form.roundsIndex < 0 || form.roundsIndex > kMaxRoundsIndex) {
        return Refusal{"The number of rounds is invalid.", SetupTab::Draft};
    }
    if (form.draftType == kDraftTypeAuction) {
        if (!isSalaryCap(form.salaryCap)) {
            return Refusal{"The salary cap is invalid.", SetupTab::Draft};
        }
        if (!numberInRange(form.minBid, 0, kMaxMoney)) {
            return Refusal{"The minimum bid value is invalid.", SetupTab::Draft};
        }
    }
    int slotTotal = 0;
    for (std::size_t list = 0; list < form.rosterSlots.size(); ++list) {
        const int most = list == kListUT ? 12 : 10;
        const int slots = form.rosterSlots[list];
        if (slots < 0 || slots > most) {
            return Refusal{std::string("The roster requirement for ") + kRosterListNames[list] +
                               " is invalid.",
                           SetupTab::Roster};
        }
        slotTotal += slots;
    }
    if (slotTotal < 1) {
        return Refusal{"You must require at least one position on your roster.", SetupTab::Roster};
    }
    if (form.scoringStyle == kScoringPoints) {
        for (std::size_t box = 0; box < form.categoryTicked.size(); ++box) {
            if (form.categoryTicked[box] && !numberInRange(form.categoryWeight[box], -999, 1000)) {
                return Refusal{
                    "Invalid point value for category: " + categoryLabel(kSetupCategoryBoxes[box]),
                    SetupTab::League};
            }
        }
    }
    if (std::none_of(form.categoryTicked.begin(), form.categoryTicked.end(),
                     [](bool ticked) { return ticked; })) {
        return Refusal{"You must have at least one category", SetupTab::League};
    }
    if (form.scoringStyle == kScoringHeadToHead) {
        if (auto refusal = validateHeadToHead(form)) {
            return refusal;
        }
    }
    for (std::size_t at = 0; at < form.teamRows.size(); ++at) {
        const SetupTeamRow& row = form.teamRows[at];
        if (trimRight(row.name).empty()) {
            return Refusal{"All teams must have a name.", SetupTab::Team};
        }
        // The row, not the name, says which team: the name may be what cannot be shown.
        if (const auto problem = textProblem(trimRight(row.name), kMaxTeamNameCharacters)) {
            return Refusal{
                "The name of the team in row " + std::to_string(at + 1) + " " + *problem + ".",
                SetupTab::Team};
        }
        if (!parseNumber(trimRight(row.order))) {
            return Refusal{"Draft order is invalid", SetupTab::Team};
        }
    }
    if (!ordersArePermutation(form.teamRows)) {
        return Refusal{"Draft order is invalid", SetupTab::Team};
    }
    return std::nullopt;
}

// Reports a failed write: the numbered log line and the "Could Not Save" message.
bool saveFailed(UserDialogs& dialogs, const Connection& db, std::string_view logLiteral) {
    db.log().writeEntry(logLiteral);
    showDatabaseFailure(dialogs, db, "Could Not Save",
                        "An error occured while saving template settings.",
                        MessageIcon::Exclamation);
    return false;
}

bool writeDraftRow(Connection& db, const SetupForm& form, int templateId, UserDialogs& dialogs) {
    DraftTemplateUpdate update{form.scoringStyle, form.draftType,
                               static_cast<std::int64_t>(form.teamRows.size()),
                               form.roundsIndex + 1, std::nullopt};
    if (form.draftType == kDraftTypeAuction) {
        update.auction = DraftTemplateUpdate::Money{*parseNumber(trimRight(form.salaryCap)),
                                                    *parseNumber(trimRight(form.minBid))};
    }
    return updateDraftTemplate(db, templateId, update) ||
           saveFailed(dialogs, db, ": error 40001: Could not save values for template.");
}

bool writeRosterRow(Connection& db, const SetupForm& form, int templateId, UserDialogs& dialogs) {
    const auto& s = form.rosterSlots;
    // A draft without a roster row would silently lose its slots: make sure the row exists.
    const bool written =
        ensureDraftRoster(db, templateId) &&
        updateDraftRoster(db, templateId,
                          RosterSlotsRow{s[kListC], s[kListG], s[kListPG], s[kListSG], s[kListF],
                                         s[kListPF], s[kListSF], s[kListUT], s[kListR]});
    return written || saveFailed(dialogs, db, ": error 40002: Could not save values for template.");
}

bool writeCategories(Connection& db, const SetupForm& form, int templateId, UserDialogs& dialogs) {
    if (!deleteDraftCategories(db, templateId)) {
        return saveFailed(dialogs, db, ": error 40005: Could not save values for template.");
    }
    for (std::size_t box = 0; box < form.categoryTicked.size(); ++box) {
        if (!form.categoryTicked[box]) {
            continue;
        }
        // A rotisserie league gives its categories no weight.
        const double points = form.scoringStyle == kScoringPoints
                                  ? *parseNumber(trimRight(form.categoryWeight[box]))
                                  : 0.0;
        if (!insertDraftCategory(db, templateId, kSetupCategoryBoxes[box], points)) {
            return saveFailed(dialogs, db, ": error 40005: Could not save values for template.");
        }
    }
    return true;
}

// Only ratios that differ from the catalogue's are the draft's own; a box left unticked keeps
// a ratio the user set, so that ticking it again brings it back.
bool writeHeadToHead(Connection& db, const SetupForm& form, int templateId, UserDialogs& dialogs) {
    if (form.scoringStyle != kScoringHeadToHead) {
        return true;
    }
    std::vector<VarianceRatioRow> ratios;
    for (std::size_t box = 0; box < form.varianceRatio.size(); ++box) {
        const int categoryid = kSetupCategoryBoxes[box];
        const auto ratio = checkedFigure(form.varianceRatio[box], kVarianceRatioRange);
        if (ratio && *ratio != defaultVarianceRatio(categoryid)) {
            ratios.push_back({categoryid, *ratio});
        }
    }
    const HeadToHeadRow settings{form.headToHeadMode,
                                 *checkedFigure(form.gamesPerWeek, kGamesPerWeekRange)};
    return writeHeadToHeadRows(db, templateId, settings, ratios) ||
           saveFailed(dialogs, db, ": error 40011: Could not save values for template.");
}

bool writeTeams(Connection& db, const SetupForm& form, int templateId, UserDialogs& dialogs) {
    for (const SetupTeamRow& row : form.teamRows) {
        const std::string name = trimRight(row.name);
        const auto order = static_cast<long long>(*parseNumber(trimRight(row.order)));
        const int owner = row.mine ? 1 : 0;
        if (!row.teamid) {
            if (!insertDraftTeam(db, templateId, name, order, owner)) {
                return saveFailed(dialogs, db,
                                  ": error 40006: Could not save values for template.");
            }
        } else if (!updateDraftTeam(db, templateId, *row.teamid, name, order, owner)) {
            return saveFailed(dialogs, db, ": error 40007: Could not save values for template.");
        }
    }
    return true;
}

// The draft starts again: no entry of its turn history stands and position 1 is on the clock
// with the first round running up (a direction left at "D" would turn the first round around).
bool restartTurns(Connection& db, int templateId) {
    return clearTurnHistory(db, templateId) && setDraftDirectionUp(db, templateId);
}

// With no player on any team the turn starts again at the first pick; otherwise the turn the
// history has on the clock (`turn`) goes to the team the new order gives it.
bool resetTurn(ProgramState& state, UserDialogs& dialogs, int turn) {
    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    const std::optional<std::int64_t> picks = countDraftPicks(db, templateId);
    if (!picks) {
        return saveFailed(dialogs, db, ": error 40108: Could not save values for template.");
    }
    if (*picks != 0) {
        loadDraft(state, templateId);
        return putTurnOn(state, dialogs, turn, turnLines(*state.draftSettings()));
    }
    if (!restartTurns(db, templateId)) {
        return saveFailed(dialogs, db, ": error 40011: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::NoTeam)) {
        return saveFailed(dialogs, db, ": error 40008: Could not save values for template.");
    }
    if (!resetCurrentPick(db, templateId, ClockReset::FirstPosition)) {
        return saveFailed(dialogs, db, ": error 40009: Could not save values for template.");
    }
    return true;
}

}  // namespace

SetupSaveOutcome saveSetup(ProgramState& state, UserDialogs& dialogs, SetupForm& form) {
    if (!state.draftSettings()) {
        dialogs.showMessage("No Draft Open", "You must open a draft before editing it",
                            MessageIcon::Exclamation);
        return {};
    }
    if (const auto refusal = validate(form)) {
        dialogs.showMessage(kInvalidDataTitle, refusal->message, MessageIcon::Exclamation);
        return {false, refusal->tab};
    }

    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    // A failed save leaves the draft in memory as it was, as the rollback leaves the tables.
    const std::shared_ptr<const LoadedDraft> before = state.loadedDraft;
    TransactionGuard transaction(db);
    // The turn on the clock as the draft stood; a new order or team count only changes who
    // holds it.
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing || !writeDraftRow(db, form, templateId, dialogs) ||
        !writeRosterRow(db, form, templateId, dialogs) ||
        !writeCategories(db, form, templateId, dialogs) ||
        !writeHeadToHead(db, form, templateId, dialogs) ||
        !writeTeams(db, form, templateId, dialogs) ||
        !resetTurn(state, dialogs, turnAfter(*standing))) {
        transaction.rollback();
        state.loadedDraft = before;
        return {};
    }
    if (!transaction.commit()) {
        state.loadedDraft = before;
        saveFailed(dialogs, db, ": error 40001: Could not save values for template.");
        return {};
    }

    loadDraft(state, templateId);
    form = fillSetup(*state.draftSettings());
    return {true, std::nullopt};
}

DeleteTeamOutcome deleteTeam(ProgramState& state, UserDialogs& dialogs, SetupForm& form,
                             std::size_t row) {
    if (!state.draftSettings() || row >= form.teamRows.size()) {
        return DeleteTeamOutcome::Refused;
    }
    const SetupTeamRow& team = form.teamRows[row];
    if (team.mine) {
        dialogs.showMessage("Cannot Delete Your Team",
                            "You cannot delete your team from the draft.  If you want to delete "
                            "this team then you must first select another team as \"Mine\".",
                            MessageIcon::Exclamation);
        return DeleteTeamOutcome::Refused;
    }
    if (!team.teamid) {
        loadTeams(state);
        form.teamRows = fillTeamRows(*state.draftSettings());
        return DeleteTeamOutcome::Discarded;
    }
    if (!dialogs.askYesNo("Delete Team?",
                          "Deleting this team will completely reset your draft to the beginning "
                          "and remove all players.  Do you wish to continue?")) {
        return DeleteTeamOutcome::Cancelled;
    }

    Connection& db = state.dbConnection;
    const int templateId = state.draftSettings()->template_id;
    const std::string_view failedTitle = "Could Not Save";
    const std::string_view failedText = "An error occured while saving template settings.";
    TransactionGuard transaction(db);
    if (!deleteDraftPicks(db, templateId) || !restartTurns(db, templateId) ||
        !resetCurrentPick(db, templateId, ClockReset::OnlyFirst)) {
        db.log().writeEntry(": error 40008: Could not connect to database.");
        showDatabaseFailure(dialogs, db, failedTitle, failedText, MessageIcon::Exclamation);
        return DeleteTeamOutcome::Failed;
    }
    if (!deleteDraftTeam(db, templateId, *team.teamid) || !transaction.commit()) {
        db.log().writeEntry(": error 40010: Could not connect to database.");
        showDatabaseFailure(dialogs, db, failedTitle, failedText, MessageIcon::Exclamation);
        return DeleteTeamOutcome::Failed;
    }
    loadTeams(state);
    form.teamRows = fillTeamRows(*state.draftSettings());
    return DeleteTeamOutcome::Deleted;
}

}  // namespace quorvane
