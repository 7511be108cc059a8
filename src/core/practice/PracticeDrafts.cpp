// SPDX-License-Identifier: MIT
#include "practice/PracticeDrafts.h"

#include <chrono>
#include <random>
#include <string_view>

#include "availability/PortableRandom.h"
#include "model/DraftLoader.h"
#include "model/DraftSession.h"
#include "room/WriteFailures.h"
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

// The practice's own line is logged before the busy line, and the busy message stands in for
// the save message.
WriteFailure saveFailure(const Connection& db, std::string_view logLine) {
    db.log().writeEntry(std::string(logLine));
    WriteFailure failure = databaseFailure(db, {});
    if (failure.kind != WriteFailure::Kind::Busy) {
        failure.message = {"Error", std::string(kSaveFailed), MessageIcon::Critical};
    }
    failure.logLine = std::string(logLine);
    return failure;
}

Message invalidNameMessage(std::string text) {
    return {"Invalid Draft Name", std::move(text), MessageIcon::Exclamation};
}

WriteFailure invalidName(std::string text) {
    return refusedBy(invalidNameMessage(std::move(text)));
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

Decision decidePracticeCopy(const PracticeChoice& choice) {
    Decision decision;
    if (const auto problem = textProblem(trimRight(choice.name), kMaxDraftNameCharacters)) {
        decision.refusal = invalidNameMessage("The draft name " + *problem);
    }
    return decision;
}

Outcome<int> createPractice(ProgramStore& store, const PracticeChoice& choice) {
    if (const Decision decision = decidePracticeCopy(choice); decision.refused()) {
        return refusedBy(*decision.refusal);
    }
    Connection& db = store.dbConnection;
    TransactionGuard transaction(db);
    const std::optional<DraftPlace> source = readDraftPlace(db, choice.sourceId);
    if (!source) {
        return saveFailure(db, " 92001 error: could not read the draft to practise");
    }
    std::string name = trimRight(choice.name);
    if (name.empty()) {
        const std::optional<std::string> made = practiceName(db, choice.sourceId);
        if (!made) {
            return saveFailure(db, " 92002 error: could not read the draft list");
        }
        name = *made;
    } else {
        const std::optional<std::vector<DraftListRow>> drafts = readDraftListRows(db);
        if (!drafts) {
            return saveFailure(db, " 92002 error: could not read the draft list");
        }
        for (const DraftListRow& draft : *drafts) {
            if (upperText(draft.template_name) == upperText(name)) {
                return invalidName("A draft with that name already exists");
            }
        }
    }
    const std::optional<int> practiceId = copyDraft(db, choice.sourceId, name, choice.fromNow);
    if (!practiceId) {
        return saveFailure(db, " 92003 error: could not copy the draft into a practice draft");
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
        return saveFailure(db, " 92004 error: could not mark the practice draft");
    }
    if (!transaction.commit()) {
        return saveFailure(db, " 92004 error: could not mark the practice draft");
    }
    return *practiceId;
}

Outcome<std::optional<PracticeRow>> readPracticeOf(ProgramStore& store, int templateId) {
    std::optional<PracticeRow> row;
    if (!readPractice(store.dbConnection, templateId, row)) {
        return databaseFailure(store.dbConnection,
                               " 92005 error: could not read the practice draft");
    }
    return row;
}

Outcome<PracticeRow> requirePractice(ProgramStore& store, int templateId) {
    Outcome<std::optional<PracticeRow>> row = readPracticeOf(store, templateId);
    if (!row) {
        return row.failure();
    }
    if (!*row) {
        return refusedBy({std::string(kTitle),
                          "This draft is not a practice draft. Practice commands change only "
                          "practice drafts, never a real one.",
                          MessageIcon::Exclamation});
    }
    return std::move(*row.value());
}

Outcome<Done> restartPractice(DraftSession& session, int templateId,
                              std::optional<std::uint64_t> seed) {
    Connection& db = session.dbConnection;
    TransactionGuard transaction(db);
    Outcome<PracticeRow> row = requirePractice(session, templateId);
    if (!row) {
        return row.failure();
    }
    row.value().seed = static_cast<std::int64_t>(seed.value_or(freshSeed()) & kLargestSeed);
    if (!rewindDraft(db, templateId, row->startPick, row->startPosition, row->startDirection) ||
        !writePractice(db, *row) || !transaction.commit()) {
        transaction.rollback();
        return saveFailure(db, " 92006 error: could not restart the practice draft");
    }
    if (session.draftSettings() && session.draftSettings()->template_id == templateId) {
        loadDraft(session, templateId);
    }
    return Done{};
}

Outcome<Done> deletePractice(DraftSession& session, int templateId) {
    Connection& db = session.dbConnection;
    TransactionGuard transaction(db);
    if (const Outcome<PracticeRow> row = requirePractice(session, templateId); !row) {
        return row.failure();
    }
    if (!deleteDraftRows(db, templateId) || !transaction.commit()) {
        transaction.rollback();
        return saveFailure(db, " 92007 error: could not delete the practice draft");
    }
    if (session.draftSettings() && session.draftSettings()->template_id == templateId) {
        session.replaceDraftSettings(std::nullopt);
    }
    return Done{};
}

}  // namespace quorvane
