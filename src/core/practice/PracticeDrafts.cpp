// SPDX-License-Identifier: MIT
#include "practice/PracticeDrafts.h"

#include <chrono>
#include <random>
#include <string_view>

#include "availability/PortableRandom.h"
#include "model/DraftLoader.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/TransactionGuard.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"

namespace quorvane {

namespace {

constexpr std::string_view kTitle = "Practice Draft";
constexpr std::string_view kSaveFailed =
    "Err 10003: Could not save the practice draft. If the problem persists please contact "
    "customer support.";

bool failed(UserDialogs& dialogs, const Connection& db, std::string_view logLine) {
    db.log().writeEntry(std::string(logLine));
    showDatabaseFailure(dialogs, db, "Error", kSaveFailed, MessageIcon::Critical);
    return false;
}

// "<name> practice N", the first N no draft uses yet.
std::optional<std::string> practiceName(Connection& db, int sourceId) {
    const std::optional<std::vector<DraftListRow>> drafts = readDraftListRows(db);
    if (!drafts) {
        return std::nullopt;
    }
    std::string source;
    for (const DraftListRow& draft : *drafts) {
        if (draft.template_id == sourceId) {
            source = draft.template_name;
        }
    }
    for (int n = 1;; ++n) {
        const std::string name = source + " practice " + std::to_string(n);
        bool used = false;
        for (const DraftListRow& draft : *drafts) {
            used = used || upperText(draft.template_name) == upperText(name);
        }
        if (!used) {
            return name;
        }
    }
}

}  // namespace

std::uint64_t freshSeed() {
    std::random_device device;
    const auto now =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const std::uint64_t drawn = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    return mixSeed(drawn, now) & kLargestSeed;
}

std::optional<int> createPractice(ProgramStore& state, UserDialogs& dialogs,
                                  const PracticeChoice& choice) {
    Connection& db = state.dbConnection;
    TransactionGuard transaction(db);
    const std::optional<DraftPlace> source = readDraftPlace(db, choice.sourceId);
    if (!source) {
        failed(dialogs, db, " 92001 error: could not read the draft to practise");
        return std::nullopt;
    }
    std::string name = trimRight(choice.name);
    if (name.empty()) {
        const std::optional<std::string> made = practiceName(db, choice.sourceId);
        if (!made) {
            failed(dialogs, db, " 92002 error: could not read the draft list");
            return std::nullopt;
        }
        name = *made;
    } else {
        if (const auto problem = textProblem(name, kMaxDraftNameCharacters)) {
            dialogs.showMessage("Invalid Draft Name", "The draft name " + *problem,
                                MessageIcon::Exclamation);
            return std::nullopt;
        }
        const std::optional<std::vector<DraftListRow>> drafts = readDraftListRows(db);
        if (!drafts) {
            failed(dialogs, db, " 92002 error: could not read the draft list");
            return std::nullopt;
        }
        for (const DraftListRow& draft : *drafts) {
            if (upperText(draft.template_name) == upperText(name)) {
                dialogs.showMessage("Invalid Draft Name", "A draft with that name already exists",
                                    MessageIcon::Exclamation);
                return std::nullopt;
            }
        }
    }
    const std::optional<int> practiceId = copyDraft(db, choice.sourceId, name, choice.fromNow);
    if (!practiceId) {
        failed(dialogs, db, " 92003 error: could not copy the draft into a practice draft");
        return std::nullopt;
    }
    PracticeRow row;
    row.template_id = *practiceId;
    row.source_template_id = choice.sourceId;
    row.seed = static_cast<std::int64_t>(choice.seed.value_or(freshSeed()) & kLargestSeed);
    row.fromNow = choice.fromNow;
    row.startPick = choice.fromNow ? source->lastPick : 0;
    row.startPosition = choice.fromNow ? source->onClock : 1;
    row.startDirection = choice.fromNow ? source->direction : "U";
    row.bots = std::string(botMixName(choice.bots));
    if (!writePractice(db, row)) {
        failed(dialogs, db, " 92004 error: could not mark the practice draft");
        return std::nullopt;
    }
    if (!transaction.commit()) {
        failed(dialogs, db, " 92004 error: could not mark the practice draft");
        return std::nullopt;
    }
    return practiceId;
}

std::optional<PracticeRow> readPracticeOf(ProgramStore& state, UserDialogs& dialogs, int templateId,
                                          bool& readFailed) {
    std::optional<PracticeRow> row;
    readFailed = !readPractice(state.dbConnection, templateId, row);
    if (readFailed) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 92005 error: could not read the practice draft");
    }
    return row;
}

std::optional<PracticeRow> requirePractice(ProgramStore& state, UserDialogs& dialogs,
                                           int templateId) {
    bool readFailed = false;
    std::optional<PracticeRow> row = readPracticeOf(state, dialogs, templateId, readFailed);
    if (!row && !readFailed) {
        dialogs.showMessage(kTitle,
                            "This draft is not a practice draft. Practice commands change only "
                            "practice drafts, never a real one.",
                            MessageIcon::Exclamation);
    }
    return row;
}

bool restartPractice(ProgramState& state, UserDialogs& dialogs, int templateId,
                     std::optional<std::uint64_t> seed) {
    Connection& db = state.dbConnection;
    TransactionGuard transaction(db);
    std::optional<PracticeRow> row = requirePractice(state, dialogs, templateId);
    if (!row) {
        return false;
    }
    row->seed = static_cast<std::int64_t>(seed.value_or(freshSeed()) & kLargestSeed);
    if (!rewindDraft(db, templateId, row->startPick, row->startPosition, row->startDirection) ||
        !writePractice(db, *row) || !transaction.commit()) {
        transaction.rollback();
        return failed(dialogs, db, " 92006 error: could not restart the practice draft");
    }
    if (state.draftSettings() && state.draftSettings()->template_id == templateId) {
        loadDraft(state, templateId);
    }
    return true;
}

bool deletePractice(ProgramState& state, UserDialogs& dialogs, int templateId) {
    Connection& db = state.dbConnection;
    TransactionGuard transaction(db);
    if (!requirePractice(state, dialogs, templateId)) {
        return false;
    }
    if (!deleteDraftRows(db, templateId) || !transaction.commit()) {
        transaction.rollback();
        return failed(dialogs, db, " 92007 error: could not delete the practice draft");
    }
    if (state.draftSettings() && state.draftSettings()->template_id == templateId) {
        state.replaceDraftSettings(std::nullopt);
    }
    return true;
}

}  // namespace quorvane
