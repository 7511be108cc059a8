// SPDX-License-Identifier: MIT
#include "room/PlayerMarks.h"

#include <string>
#include <utility>

#include "model/ModelChanges.h"
#include "room/CommonRefusals.h"
#include "room/WriteFailures.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTeamRepository.h"
#include "store/TransactionGuard.h"
#include "text/TextChecks.h"

namespace quorvane {

namespace {

constexpr std::string_view kNoteWriteLine = " 60050 error: could not add player note.";

// One statement under the writer's lock: the rule decided again, the statement run and
// committed, then the model changed as the file was.
template <class Statement, class Change>
Outcome<Done> writeOne(Connection& connection, const Decision& decision, std::string_view logLine,
                       Statement&& statement, Change&& change) {
    if (decision.refusal) {
        return refusedBy(*decision.refusal);
    }
    TransactionGuard transaction(connection);
    if (!transaction.begun() || !statement() || !transaction.commit()) {
        transaction.rollback();
        return databaseFailure(connection, logLine);
    }
    change();
    return Done{};
}

}  // namespace

int flagAfterChoice(int currentFlag, int chosen) {
    return currentFlag == chosen ? kNoFlag : chosen;
}

Decision decideFlag(const DraftModel&, const FlagRequest& request) {
    if (request.flag < kNoFlag || request.flag > kHighestFlag) {
        return refusedWith(Message{"Invalid Flag", "The flag must be none, sleeper, bust or upside",
                                   MessageIcon::Exclamation});
    }
    return {};
}

std::optional<Message> playerNoteRefusal(std::string_view note) {
    if (const auto problem = textProblem(note, kMaxPlayerNoteCharacters)) {
        return Message{"Invalid Note", "The note " + *problem, MessageIcon::Exclamation};
    }
    return std::nullopt;
}

Decision decideNote(const DraftModel&, const PlayerNoteRequest& request) {
    if (std::optional<Message> refusal = playerNoteRefusal(request.note)) {
        return refusedWith(std::move(*refusal));
    }
    return {};
}

Decision decideNote(const DraftNoteRequest& request) {
    if (const auto problem =
            textProblem(request.notes, kMaxDraftNotesCharacters, TextShape::Lines)) {
        return refusedWith(
            Message{"Invalid Notes", "The draft notes " + *problem, MessageIcon::Exclamation});
    }
    return {};
}

Outcome<Done> writeFlag(Connection& connection, DraftModel& model, const FlagRequest& request) {
    return writeOne(
        connection, decideFlag(model, request), {},
        [&] { return writePlayerFlag(connection, request.playerid, request.flag); },
        [&] { applyFlag(model, request.playerid, request.flag); });
}

Outcome<Done> writeNote(Connection& connection, DraftModel& model,
                        const PlayerNoteRequest& request) {
    return writeOne(
        connection, decideNote(model, request), kNoteWriteLine,
        [&] { return writePlayerNote(connection, request.season, request.playerid, request.note); },
        [&] {
            // The model holds the notes of its own season only.
            if (model.projectionYear == request.season) {
                applyNote(model, request.playerid, request.note);
            }
        });
}

Outcome<Done> writeNote(Connection& connection, const DraftNoteRequest& request) {
    const std::string logLine =
        " 008 error: could not updates notes: " + std::string(draftNotesUpdateText());
    return writeOne(
        connection, decideNote(request), logLine,
        [&] { return writeDraftNotes(connection, request.templateId, request.notes); }, [] {});
}

}  // namespace quorvane
