// SPDX-License-Identifier: MIT
#include "night/NightRecording.h"

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "practice/OpponentPicks.h"
#include "room/TurnWriters.h"

namespace quorvane {

namespace {

constexpr std::string_view kNothingRecorded = "Nothing was recorded";

// A phone hears the rule's own words: a question nobody at the host can answer is refused with
// its text, like a refusal with its message.
NightRefusal refusalOf(const WriteFailure& failure) {
    switch (failure.kind) {
        case WriteFailure::Kind::Unanswered:
            return NightRefusal{NightRefusal::Kind::AgainstRule, failure.question.text};
        case WriteFailure::Kind::Refused:
            return NightRefusal{NightRefusal::Kind::AgainstRule, failure.message.text};
        case WriteFailure::Kind::Busy:
        case WriteFailure::Kind::Failed:
            break;
    }
    return NightRefusal{NightRefusal::Kind::Failed, failure.message.text.empty()
                                                        ? std::string(kNothingRecorded)
                                                        : failure.message.text};
}

// No draft open, or its model could not be read: the read's own message when it has one.
NightRefusal unread(const Outcome<DraftModel*>& held) {
    const bool told = !held && !held.failure().message.text.empty();
    return NightRefusal{NightRefusal::Kind::Failed,
                        told ? held.failure().message.text : std::string(kNothingRecorded)};
}

// After a writer: what it stored the loaded draft follows; after a refusal or a failure the
// writer may have read another program's picks into the model, so both are read again.
template <class Result>
void followWriter(DraftSession& session, const Outcome<Result>& outcome, const DraftModel& model) {
    if (outcome) {
        session.replaceDraftSettings(*model.settings);
        settleDraftModel(session, !outcome->outsideChange);
        return;
    }
    const int templateId = model.settings->template_id;
    settleDraftModel(session, false);
    loadDraft(session, templateId);
}

std::string playerName(const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr) {
        return "player " + std::to_string(playerid);
    }
    return player->firstname.empty() ? player->lastname
                                     : player->firstname + " " + player->lastname;
}

std::string teamName(const DraftModel& model, int teamid) {
    for (const ModelTeam& team : model.teams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return {};
}

// The status bar's words for an undo: "Undid #15 Jimmy Butler, Owner 10", "Undid a skip: Owner
// 10 on the clock", "Undid keeper Jimmy Butler, Owner 10" or "Nothing to undo".
std::string undoNews(const DraftModel& model, const std::optional<HistoryEntry>& undone) {
    if (!undone) {
        return "Nothing to undo";
    }
    switch (undone->kind) {
        case HistoryKind::Skip: {
            for (const ModelTeam& team : model.teams) {
                if (team.onClock) {
                    return "Undid a skip: " + team.teamname + " on the clock";
                }
            }
            return "Undid a skip";
        }
        case HistoryKind::Keeper:
            return "Undid keeper " + playerName(model, undone->playerid) + ", " +
                   teamName(model, undone->teamid);
        default:
            break;
    }
    return "Undid #" + std::to_string(undone->turn) + " " + playerName(model, undone->playerid) +
           ", " + teamName(model, undone->teamid);
}

}  // namespace

NightVerdict recordNightPick(DraftSession& session, int teamid, int playerid,
                             std::optional<int> price, std::optional<int> turn) {
    const Outcome<DraftModel*> held = heldDraftModel(session);
    DraftModel* model = held ? held.value() : nullptr;
    if (model == nullptr) {
        return unread(held);
    }
    const ModelPlayer* player = model->findPlayer(playerid);
    std::optional<std::string> slot;
    for (std::size_t t = 0; t < model->teams.size() && player != nullptr; ++t) {
        if (model->teams[t].teamid == teamid) {
            slot = openSlotFor(*model, t, *player);
        }
    }
    if (!slot) {
        return NightRefusal{NightRefusal::Kind::AgainstRule,
                            "No open roster slot for player " + std::to_string(playerid)};
    }
    const PickRequest request{playerid,
                              teamid,
                              *slot,
                              static_cast<double>(price.value_or(0)),
                              price ? std::nullopt : turn,
                              std::nullopt};
    const Outcome<PickRecorded> recorded = writePick(session.dbConnection, *model, request, {});
    followWriter(session, recorded, *model);
    return recorded ? NightVerdict() : NightVerdict(refusalOf(recorded.failure()));
}

NightUndo undoNightEntry(DraftSession& session) {
    const Outcome<DraftModel*> held = heldDraftModel(session);
    DraftModel* model = held ? held.value() : nullptr;
    if (model == nullptr) {
        return {{}, unread(held)};
    }
    const Outcome<TurnChanged> undone = writeUndo(session.dbConnection, *model, {}, {});
    if (!undone) {
        followWriter(session, undone, *model);
        return {{}, refusalOf(undone.failure())};
    }
    std::string news = undoNews(*model, undone->entry);
    followWriter(session, undone, *model);
    return {std::move(news), std::nullopt};
}

}  // namespace quorvane
