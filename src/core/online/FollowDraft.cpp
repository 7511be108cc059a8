// SPDX-License-Identifier: MIT
#include "online/FollowDraft.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "online/Room.h"
#include "online/RoomAnswerCheck.h"
#include "online/RoomOrder.h"
#include "projections/StoredPlayers.h"
#include "room/KeeperWriters.h"
#include "room/RefreshMain.h"
#include "room/RoomValues.h"
#include "room/SlotChoice.h"
#include "room/TurnHistoryWriter.h"
#include "room/TurnWriters.h"
#include "room/Turns.h"
#include "room/WriteFailures.h"
#include "store/DraftRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "vocabulary/OwnTeam.h"

namespace quorvane {

namespace {

constexpr const char* kDot = " \u00b7 ";
constexpr const char* kFollowTitle = "Follow Online Draft";

constexpr TurnLogLines kRoomTurnLines{" 95001 error: could not set the turn the room shows",
                                      " 95002 error: could not set the turn the room shows",
                                      " 95003 error: could not set the turn the room shows",
                                      " 95003 error: could not set the turn the room shows"};

const DraftTeam* teamWithId(const DraftSettings& draft, int teamid) {
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return &team;
        }
    }
    return nullptr;
}

// Position flags in the matcher's order PG, SG, PF, SF, C from the room's "PG", "G-F", "SF,PF".
std::array<int, 5> positionFlags(const std::string& position) {
    std::array<int, 5> flags{};
    std::string token;
    const auto apply = [&flags](const std::string& code) {
        if (code == "PG" || code == "G") {
            flags[0] = 1;
        }
        if (code == "SG" || code == "G") {
            flags[1] = 1;
        }
        if (code == "PF" || code == "F") {
            flags[2] = 1;
        }
        if (code == "SF" || code == "F") {
            flags[3] = 1;
        }
        if (code == "C") {
            flags[4] = 1;
        }
    };
    for (const char c : position + ",") {
        if (std::isalpha(static_cast<unsigned char>(c))) {
            token += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        } else {
            apply(token);
            token.clear();
        }
    }
    return flags;
}

// The players of the projection season by name; a player who only played earlier seasons
// cannot be drafted and is no candidate.
class SeasonMatcher {
  public:
    bool load(DraftSession& state) {
        if (!m_stored.load(state.dbConnection)) {
            return false;
        }
        m_season = state.projectionYear;
        m_matcher = m_stored.matcher(m_season);
        return true;
    }

    PlayerMatch match(const RoomPick& pick) const {
        const std::string key = normalisePlayerName(pick.firstName, pick.lastName);
        std::vector<const PlayerCandidate*> found;
        for (const PlayerCandidate* candidate : m_matcher.findByName(pick.fullName())) {
            if (m_stored.row(candidate->playerid, m_season) != nullptr) {
                found.push_back(candidate);
            }
        }
        PlayerMatch result;
        if (found.empty()) {
            return result;
        }
        if (found.size() > 1) {
            if (const auto byTeam = PlayerNameMatcher::decideByTeam(found, pick.proTeam);
                !byTeam.empty()) {
                found = byTeam;
            }
        }
        if (found.size() > 1 && !pick.position.empty()) {
            if (const auto byPosition =
                    PlayerNameMatcher::decideByPosition(found, positionFlags(pick.position));
                !byPosition.empty()) {
                found = byPosition;
            }
        }
        if (found.size() == 1) {
            result.outcome = PlayerMatch::Outcome::Matched;
            result.playerid = found.front()->playerid;
            return result;
        }
        result.outcome = PlayerMatch::Outcome::Ambiguous;
        for (const PlayerCandidate* candidate : found) {
            result.candidates.push_back(candidate->playerid);
        }
        std::sort(result.candidates.begin(), result.candidates.end());
        return result;
    }

  private:
    StoredPlayers m_stored;
    PlayerNameMatcher m_matcher;
    int m_season = 0;
};

struct Taken {
    int teamid = 0;
    int draftorder = 0;
};

std::optional<Taken> takenHere(DraftSession& state, int playerid) {
    const auto pick =
        readPickOfPlayer(state.dbConnection, state.draftSettings()->template_id, playerid);
    if (!pick) {
        return std::nullopt;
    }
    return Taken{pick->teamid, static_cast<int>(pick->draftorder)};
}

std::string teamName(const DraftSettings& ours, int teamid) {
    const DraftTeam* team = teamWithId(ours, teamid);
    return team != nullptr ? team->teamname : "team " + std::to_string(teamid);
}

std::string pickLine(const DraftSettings& ours, const RoomPick& pick, const SyncedPick& synced) {
    std::string line = (synced.keeper ? "Keeper at pick " : "Pick ") + std::to_string(pick.pickNo) +
                       kDot + pick.fullName() + " to " + teamName(ours, synced.teamid);
    if (ours.drafttype == kDraftTypeAuction) {
        line += " for " + formatMoney(synced.dollars, priceDecimals(ours));
    }
    return line + " (" + synced.slot + ")";
}

// Sets our turn to the room's: the team of its first open pick, in the direction of its round.
// Runs inside the caller's transaction.
bool applyRoomTurn(DraftSession& state, std::vector<Message>& told, const RoomDraft& draft,
                   const RoomClock& clock) {
    const DraftSettings& ours = *state.draftSettings();
    if (ours.drafttype == kDraftTypeAuction || draft.auction()) {
        return true;
    }
    if (clock.pickNo == 0) {
        return teamOnTheClock(*state.loadedDraft) == 0 ||
               keepFailure(told, clearTurn(state, kRoomTurnLines.clearTurn)).has_value();
    }
    const DraftTeam* team = teamWithId(ours, clock.teamid);
    if (team == nullptr) {
        return true;  // the room's team has no team of ours: our turn is left as it is
    }
    const int round = (clock.pickNo - 1) / std::max(draft.teams, 1) + 1;
    const TurnPosition target{team->draftposition, roundRunsUp(draft, round) ? "U" : "D"};
    const TurnPosition current = currentTurn(*state.loadedDraft);
    if (current.position == target.position &&
        (ours.drafttype != kDraftTypeSnake || current.direction == target.direction)) {
        return true;
    }
    return keepFailure(told, moveTurnTo(state, target, kRoomTurnLines)).has_value();
}

bool sameClock(const std::optional<RoomClock>& stored, const RoomClock& clock) {
    return stored && stored->status == clock.status && stored->teams == clock.teams &&
           stored->roomPicks == clock.roomPicks && stored->pickNo == clock.pickNo &&
           stored->teamid == clock.teamid && stored->turnsMine == clock.turnsMine;
}

// The room's turn and clock after a change, inside the change's transaction.
bool storeClock(DraftSession& state, std::vector<Message>& told, const RoomDraft& draft,
                const RoomClock& clock) {
    return applyRoomTurn(state, told, draft, clock) &&
           saveRoomClock(state, *state.loadedDraft, clock);
}

class Sync {
  public:
    Sync(DraftSession& state, const RoomLink& room, const RoomDraft& draft,
         const std::vector<RoomPick>& picks)
        : m_state(state), m_room(room), m_draft(draft), m_picks(picks) {}

    // The room's answer is recorded all or none: one transaction holds every pick, undo and the
    // clock, and a failure or refusal at any pick rolls back the picks before it. Picks before
    // one whose player the user must name stand.
    FollowSync run() {
        const int templateId = m_state.draftSettings()->template_id;
        TransactionGuard transaction(m_state.dbConnection);
        sync();
        if (m_result.outcome != FollowSync::Outcome::Failed && !transaction.commit()) {
            failed(" 95015 error: could not record a room pick");
        }
        if (m_result.outcome == FollowSync::Outcome::Failed) {
            transaction.rollback();
            loadDraft(m_state, templateId);
            settleDraftModel(m_state, false);
            m_result.recorded.clear();
            m_result.undone.clear();
        }
        return m_result;
    }

  private:
    FollowSync& sync() {
        const auto mapping = rosterMapping(m_state, *m_state.loadedDraft, m_draft);
        const auto named = namedPlayers(m_state, *m_state.loadedDraft);
        const auto followed = followedPicks(m_state, *m_state.loadedDraft);
        if (!mapping || !named || !followed || !m_matcher.load(m_state)) {
            return failed(" 95010 error: could not read what the room's draft has recorded");
        }
        m_mapping = *mapping;
        m_named = *named;
        m_result.clock = roomClockOf(*m_state.loadedDraft, m_room, m_draft, m_picks, m_mapping);
        if (!undoVanishedPicks(*followed)) {
            return m_result;
        }
        for (const RoomPick& pick : m_picks) {
            if (m_still.count(pick.pickNo) != 0) {
                continue;
            }
            if (!recordRoomPick(pick)) {
                return m_result;
            }
        }
        if (!alignWithRoomClock()) {
            return failed(" 95011 error: could not store the room's clock");
        }
        if (!sameClock(readRoomClock(m_state, *m_state.loadedDraft), m_result.clock)) {
            TransactionGuard transaction(m_state.dbConnection);
            if (!storeClock(m_state, m_result.told, m_draft, m_result.clock) ||
                !transaction.commit()) {
                transaction.rollback();
                loadDraft(m_state, m_state.draftSettings()->template_id);
                return failed(" 95011 error: could not store the room's clock");
            }
        }
        return m_result;
    }

    FollowSync& failed(std::string_view logLine) {
        if (!logLine.empty()) {
            m_result.told.push_back(databaseFailure(m_state.dbConnection, logLine).message);
        }
        m_result.outcome = FollowSync::Outcome::Failed;
        return m_result;
    }

    // Our turns count the room's picks: once every room pick is recorded, the turns it used
    // for keepers (or made without a pick here) are skips up to its clock. Picks themselves
    // take the room's number as they are recorded.
    bool alignWithRoomClock() {
        // Held to the end: aligning the turn replaces the program's loaded draft.
        const std::shared_ptr<const LoadedDraft> held = m_state.loadedDraft;
        const DraftSettings& ours = *held->draftSettings;
        const RoomClock& clock = m_result.clock;
        if (ours.drafttype == kDraftTypeAuction || m_draft.auction() || clock.pickNo == 0 ||
            ours.turnNumber == std::min(clock.pickNo, lastPickOfDraft(ours) + 1)) {
            return true;
        }
        TransactionGuard transaction(m_state.dbConnection);
        if (keepFailure(m_result.told, alignTurnWith(m_state, clock.pickNo, kRoomTurnLines)) &&
            applyRoomTurn(m_state, m_result.told, m_draft, clock) && transaction.commit()) {
            return true;
        }
        transaction.rollback();
        loadDraft(m_state, ours.template_id);
        return false;
    }

    // A pick recorded here that the room no longer has at its number (or has with another
    // player) was undone there.
    bool undoVanishedPicks(const std::vector<FollowedPick>& followed) {
        std::map<int, const RoomPick*> byNumber;
        for (const RoomPick& pick : m_picks) {
            byNumber[pick.pickNo] = &pick;
        }
        for (auto it = followed.rbegin(); it != followed.rend(); ++it) {
            const auto inRoom = byNumber.find(it->pickNo);
            const bool stands =
                inRoom != byNumber.end() && inRoom->second->playerId == it->roomPlayerId;
            if (stands) {
                // Recorded earlier and still in the room; recorded again when the user removed it
                // here.
                if (takenHere(m_state, it->playerid)) {
                    m_still.insert(it->pickNo);
                }
                continue;
            }
            if (!undoHere(*it)) {
                return false;
            }
        }
        return true;
    }

    bool undoHere(const FollowedPick& pick) {
        const std::optional<Taken> taken = takenHere(m_state, pick.playerid);
        const int templateId = m_state.draftSettings()->template_id;
        TransactionGuard transaction(m_state.dbConnection);
        const auto rollBack = [&](std::string_view line) {
            transaction.rollback();
            loadDraft(m_state, templateId);
            failed(line);
            return false;
        };
        if (!taken) {
            // Already gone here: only the record of it goes.
            return (deleteFollowedPick(m_state, *m_state.loadedDraft, pick.pickNo) &&
                    transaction.commit()) ||
                   rollBack(" 95012 error: could not forget an undone room pick");
        }
        // A keeper goes whatever came after it; a pick only while no pick stands after it.
        const TakeBackOutcome outcome =
            pick.keeper ? takeOffRoomKeeper(pick.playerid)
                        : keepFailure(m_result.told, takeBackPick(m_state, pick.playerid))
                              .value_or(TakeBackOutcome::Failed);
        if (outcome == TakeBackOutcome::NotLast) {
            transaction.rollback();
            loadDraft(m_state, templateId);
            if (!pick.reported) {
                const std::string text = "Pick " + std::to_string(pick.pickNo) +
                                         " was undone in the room, but picks made after it stand "
                                         "here. Undo it here by hand if the room keeps it undone.";
                m_result.told.push_back({kFollowTitle, text, MessageIcon::Exclamation});
                m_result.reports.push_back(text);
                markPickReported(m_state, *m_state.loadedDraft, pick.pickNo);
            }
            m_still.insert(pick.pickNo);
            return true;
        }
        if (outcome == TakeBackOutcome::Failed ||
            !deleteFollowedPick(m_state, *m_state.loadedDraft, pick.pickNo) ||
            !storeClock(m_state, m_result.told, m_draft, m_result.clock) || !transaction.commit()) {
            return rollBack(" 95013 error: could not undo the pick the room undid");
        }
        SyncedPick undone;
        undone.pickNo = pick.pickNo;
        undone.playerid = pick.playerid;
        undone.teamid = taken->teamid;
        undone.keeper = pick.keeper;
        undone.line = "Undone pick " + std::to_string(pick.pickNo) + kDot + "player " +
                      std::to_string(pick.playerid) + " from " +
                      teamName(*m_state.draftSettings(), taken->teamid);
        m_result.undone.push_back(std::move(undone));
        return true;
    }

    std::optional<int> playerOf(const RoomPick& pick) {
        if (const auto found = m_named.find(pick.playerId); found != m_named.end()) {
            return found->second;
        }
        const PlayerMatch match = m_matcher.match(pick);
        if (match.outcome == PlayerMatch::Outcome::Matched) {
            return match.playerid;
        }
        m_result.outcome = FollowSync::Outcome::NeedsPlayer;
        m_result.unmatched = UnmatchedPick{pick, match.candidates};
        m_state.dbConnection.log().writeEntry(
            " follow: stopped at pick " + std::to_string(pick.pickNo) + ", " + pick.fullName() +
            (match.candidates.empty() ? " matches no player" : " matches several players"));
        return std::nullopt;
    }

    bool recordRoomPick(const RoomPick& pick) {
        const std::optional<int> playerid = playerOf(pick);
        if (!playerid) {
            return false;
        }
        const auto mapped = m_mapping.find(pick.team);
        const int teamid = mapped == m_mapping.end() ? 0 : mapped->second;
        if (teamWithId(*m_state.draftSettings(), teamid) == nullptr) {
            std::string label = pick.teamLabel.empty() ? "a team" : pick.teamLabel;
            label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
            m_result.told.push_back({kFollowTitle,
                                     label +
                                         " of the room is mapped to no team of this draft. Map it "
                                         "to a team to record pick " +
                                         std::to_string(pick.pickNo) + ".",
                                     MessageIcon::Exclamation});
            m_result.outcome = FollowSync::Outcome::Failed;
            return false;
        }
        if (const std::optional<Taken> taken = takenHere(m_state, *playerid)) {
            return linkTypedPick(pick, *playerid, *taken, teamid);
        }
        const bool auction = m_state.draftSettings()->drafttype == kDraftTypeAuction;
        SyncedPick synced;
        synced.pickNo = pick.pickNo;
        synced.playerid = *playerid;
        synced.teamid = teamid;
        synced.keeper = pick.isKeeper;
        // A room that gives no auction prices leaves the price to the user: $0 until he sets it.
        const double unpriced = m_draft.auction() ? 0.0 : m_state.draftSettings()->minbid;
        synced.dollars = auction ? pick.amount.value_or(unpriced) : 0.0;
        const auto slot = preselectSlot(m_state, *playerid, teamid);
        if (!slot) {
            failed(" 95014 error: could not choose the slot of a room pick");
            return false;
        }
        synced.slot = slot->selectedText();

        const int templateId = m_state.draftSettings()->template_id;
        TransactionGuard transaction(m_state.dbConnection);
        bool stored = false;
        if (pick.isKeeper) {
            stored = writeRoomKeeper(pick, synced);
        } else {
            stored = writeRoomPick(pick, synced);
        }
        if (!stored) {
            transaction.rollback();
            loadDraft(m_state, templateId);
            m_result.outcome = FollowSync::Outcome::Failed;
            return false;
        }
        if (!insertFollowedPick(m_state, *m_state.loadedDraft,
                                {pick.pickNo, pick.playerId, *playerid, pick.isKeeper}) ||
            !storeClock(m_state, m_result.told, m_draft, m_result.clock) || !transaction.commit()) {
            transaction.rollback();
            loadDraft(m_state, templateId);
            failed(" 95015 error: could not record a room pick");
            return false;
        }
        synced.line = pickLine(*m_state.draftSettings(), pick, synced);
        m_state.dbConnection.log().writeEntry(" follow: " + synced.line);
        m_result.recorded.push_back(std::move(synced));
        return true;
    }

    // The room made the pick, so nobody here answers the draft's questions: a question, like a
    // refusal, stops the follow with a message naming the room, the pick and what was asked.
    bool writeRoomPick(const RoomPick& pick, const SyncedPick& synced) {
        DraftModel* model = keepFailure(m_result.told, heldDraftModel(m_state)).value_or(nullptr);
        // The pick takes the room's number when the room used turns for keepers before it.
        if (model == nullptr ||
            !keepFailure(m_result.told, alignTurnWith(m_state, pick.pickNo, kRoomTurnLines))) {
            return false;
        }
        const Outcome<PickRecorded> recorded =
            writePick(m_state.dbConnection, *model,
                      PickRequest{synced.playerid, synced.teamid, synced.slot, synced.dollars,
                                  std::nullopt, std::nullopt});
        if (recorded) {
            m_state.replaceDraftSettings(*model->settings);
            settleDraftModel(m_state, !recorded->outsideChange);
            return true;
        }
        return notRecorded(pick, recorded.failure());
    }

    bool writeRoomKeeper(const RoomPick& pick, const SyncedPick& synced) {
        DraftModel* model = keepFailure(m_result.told, heldDraftModel(m_state)).value_or(nullptr);
        if (model == nullptr) {
            return false;
        }
        const Outcome<KeeperAdded> added =
            writeKeeper(m_state.dbConnection, *model,
                        KeeperRequest{synced.playerid, synced.teamid, synced.slot, synced.dollars});
        if (added) {
            m_state.replaceDraftSettings(*model->settings);
            settleDraftModel(m_state, !added->outsideChange);
            return true;
        }
        return notRecorded(pick, added.failure());
    }

    TakeBackOutcome takeOffRoomKeeper(int playerid) {
        DraftModel* model = keepFailure(m_result.told, heldDraftModel(m_state)).value_or(nullptr);
        if (model == nullptr) {
            return TakeBackOutcome::Failed;
        }
        const Outcome<KeeperRemoved> removed =
            writeKeeperRemoval(m_state.dbConnection, *model, KeeperRemovalRequest{playerid});
        if (!removed) {
            const Message& message = removed.failure().message;
            m_result.told.push_back(message);
            return TakeBackOutcome::Failed;
        }
        m_state.replaceDraftSettings(*model->settings);
        settleDraftModel(m_state, !removed->outsideChange);
        return removed->removed ? TakeBackOutcome::TakenBack : TakeBackOutcome::Failed;
    }

    // A room's pick or keeper the draft would not take: a failed statement is shown as it is; a
    // refusal or a question stops the follow with a message naming the room, the pick and what
    // was said, since nobody here answers for the room.
    bool notRecorded(const RoomPick& pick, const WriteFailure& failure) {
        if (failure.kind == WriteFailure::Kind::Failed ||
            failure.kind == WriteFailure::Kind::Busy) {
            m_result.told.push_back(failure.message);
            return false;
        }
        const std::string said = failure.kind == WriteFailure::Kind::Unanswered
                                     ? "this draft asks \"" + failure.question.text +
                                           "\", which only a person can answer"
                                     : failure.message.text;
        const std::string text = m_room.title() + ": pick " + std::to_string(pick.pickNo) + " (" +
                                 pick.fullName() +
                                 ") was not recorded here, and nothing of the "
                                 "room's answer was: " +
                                 said;
        m_state.dbConnection.log().writeEntry(" follow: " + text);
        m_result.told.push_back({kFollowTitle, text, MessageIcon::Exclamation});
        m_result.reports.push_back(text);
        return false;
    }

    // The user typed the pick before the room's answer came: it is recorded once, and a team
    // that differs from the room's is said.
    bool linkTypedPick(const RoomPick& pick, int playerid, const Taken& taken, int teamid) {
        TransactionGuard transaction(m_state.dbConnection);
        if (!insertFollowedPick(m_state, *m_state.loadedDraft,
                                {pick.pickNo, pick.playerId, playerid, pick.isKeeper}) ||
            !transaction.commit()) {
            failed(" 95015 error: could not record a room pick");
            return false;
        }
        if (taken.teamid != teamid) {
            const std::string text =
                pick.fullName() + " is on " + teamName(*m_state.draftSettings(), taken.teamid) +
                " here but went to " + teamName(*m_state.draftSettings(), teamid) +
                " in the room (pick " + std::to_string(pick.pickNo) + ").";
            m_result.told.push_back({kFollowTitle, text, MessageIcon::Exclamation});
            m_result.reports.push_back(text);
        }
        return true;
    }

    DraftSession& m_state;
    const RoomLink& m_room;
    const RoomDraft& m_draft;
    const std::vector<RoomPick>& m_picks;
    SeasonMatcher m_matcher;
    std::map<int, int> m_mapping;
    std::map<std::string, int> m_named;
    std::set<int> m_still;  // room pick numbers already recorded here
    FollowSync m_result;
};

}  // namespace

RoomClock roomClockOf(const LoadedDraft& loaded, const RoomLink& room, const RoomDraft& draft,
                      const std::vector<RoomPick>& picks, const std::map<int, int>& mapping) {
    RoomClock clock;
    clock.link = room;
    clock.status = draft.status;
    clock.teams = draft.teams;
    clock.roomPicks = static_cast<int>(picks.size());
    if (draft.auction() || draft.complete()) {
        return clock;
    }
    clock.pickNo = firstOpenPick(draft, picks);
    const auto ourTeam = [&](int roomTeam) {
        const auto found = mapping.find(roomTeam);
        return found == mapping.end() ? 0 : found->second;
    };
    clock.teamid = clock.pickNo > 0 ? ourTeam(teamOfPick(draft, clock.pickNo)) : 0;
    const int mine = loaded.draftSettings ? myTeamId(*loaded.draftSettings) : 0;
    for (const auto& [roomTeam, teamid] : mapping) {
        if (mine <= 0 || teamid != mine) {
            continue;
        }
        const int turns = turnsUntilTeam(draft, picks, roomTeam);
        if (turns >= 0 && (clock.turnsMine < 0 || turns < clock.turnsMine)) {
            clock.turnsMine = turns;
        }
    }
    return clock;
}

FollowSync syncRoomPicks(DraftSession& state, const RoomLink& room, const RoomDraft& draft,
                         const std::vector<RoomPick>& picks) {
    FollowSync refused;
    refused.outcome = FollowSync::Outcome::Failed;
    if (!state.draftSettings()) {
        return refused;
    }
    // A room that does not say how many rounds it has is held to the draft's own.
    RoomDraft sized = draft;
    sized.rounds = roomRounds(draft, state.draftSettings()->rounds());
    // The answer is measured against this draft's own rounds, teams and money: whatever the
    // room claims of its own counts for nothing here.
    const DraftSettings& ours = *state.draftSettings();
    RoomDraft measured = draft;
    measured.rounds = ours.rounds();
    measured.teams = ours.teams;
    measured.budgetText.reset();
    CheckedAnswer checked = checkRoomAnswer(measured, picks, ours.rounds(), draftMoneyOf(ours));
    if (!checked.problem.empty()) {
        state.dbConnection.log().writeEntry(" follow: refused the answer of " + room.title() +
                                            ": " + checked.problem);
        refused.told.push_back({kFollowTitle, refusedAnswerText(room.title(), checked.problem),
                                MessageIcon::Exclamation});
        refused.problem = checked.problem;
        return refused;
    }
    return Sync(state, room, sized, checked.picks).run();
}

FollowSync followDraft(DraftSession& state, Room& room) {
    FollowSync result;
    result.outcome = FollowSync::Outcome::Failed;
    if (!state.draftSettings() || !markFollowing(state, *state.loadedDraft, room.link(), true)) {
        return result;
    }
    const RoomRead<RoomDraft> draft = room.readDraft();
    if (!draft.value) {
        result.told.push_back(roomUnreadable(state.dbConnection.log(), draft.reply));
        result.problem = draft.reply.message;
        return result;
    }
    const RoomRead<std::vector<RoomPick>> picks = room.readPicks();
    if (!picks.value) {
        result.told.push_back(roomUnreadable(state.dbConnection.log(), picks.reply));
        result.problem = picks.reply.message;
        return result;
    }
    return syncRoomPicks(state, room.link(), *draft.value, *picks.value);
}

}  // namespace quorvane
