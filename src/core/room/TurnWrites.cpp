// SPDX-License-Identifier: MIT
#include "room/TurnWrites.h"

#include <set>
#include <string>

#include "store/Connection.h"
#include "store/DraftTakenRepository.h"
#include "store/DraftTeamRepository.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr TurnLogLines kSnakeLines{
    " 60006 error: could not access database", " 60003 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};
constexpr TurnLogLines kStraightLines{
    " 60007 error: could not access database", " 60005 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};

}  // namespace

const TurnLogLines& turnLines(const DraftSettings& draft) {
    return draft.drafttype == kDraftTypeSnake ? kSnakeLines : kStraightLines;
}

bool TurnWrite::fail(std::string_view line) {
    m_failedLine = line;
    return false;
}

// Entries the rebuilt history keeps stay where they are; the others go and the new ones are
// appended in order, so the table's order stays the order the history runs in.
bool TurnWrite::storeDerived(const std::vector<HistoryEntry>& old,
                             std::vector<HistoryEntry>& derived) {
    std::set<std::int64_t> kept;
    for (const HistoryEntry& entry : derived) {
        kept.insert(entry.entryid);
    }
    std::vector<std::int64_t> gone;
    for (const HistoryEntry& entry : old) {
        if (kept.count(entry.entryid) == 0) {
            gone.push_back(entry.entryid);
        }
    }
    if (!deleteHistoryEntries(m_connection, gone)) {
        return fail(kHistoryWriteFailed);
    }
    for (HistoryEntry& entry : derived) {
        if (entry.entryid != 0) {
            continue;
        }
        const auto stored = record(entry);
        if (!stored) {
            return false;
        }
        entry.entryid = *stored;
    }
    return true;
}

std::optional<StandingTurns> TurnWrite::reconcile() {
    const auto history = readStandingHistory(m_connection, m_draft.template_id);
    auto taken = readPickRows(m_connection, m_draft.template_id);
    const auto linked = isLinkedToRoom(m_connection, m_draft.template_id);
    if (!history || !taken || !linked) {
        fail(kHistoryReadFailed);
        return std::nullopt;
    }
    DerivedHistory derived = deriveHistory(m_draft, *history, *taken, *linked);
    if (derived.rebuilt) {
        if (!storeDerived(standingEntries(*history), derived.standing)) {
            return std::nullopt;
        }
        m_connection.log().writeEntry(" turn history of draft " +
                                      std::to_string(m_draft.template_id) +
                                      " rebuilt from its picks and turn");
    }
    const int turn = turnAfter(derived.standing);
    m_draft.turnNumber = turn;
    if (!*linked && !putTurnOn(turn, turnLines(m_draft))) {
        return std::nullopt;
    }
    return StandingTurns{std::move(derived.standing), std::move(*taken)};
}

bool TurnWrite::putTurnOn(int turn, const TurnLogLines& lines) {
    m_draft.turnNumber = turn;
    if (m_draft.drafttype == kDraftTypeAuction || flagsHold(m_draft, turn)) {
        return true;
    }
    const TurnPosition target = positionOfTurn(m_draft, turn);
    return target.position == 0 ? clearTurn(lines.clearTurn) : moveTurnTo(target, lines);
}

bool TurnWrite::moveTurnTo(const TurnPosition& target, const TurnLogLines& lines) {
    const TurnPosition current = markedTurn(m_draft);
    for (DraftTeam& team : m_draft.draftTeams) {
        if (team.currentpick == 1 && team.draftposition == current.position) {
            team.currentpick = 0;
        }
    }
    for (DraftTeam& team : m_draft.draftTeams) {
        if (team.draftposition != target.position) {
            continue;
        }
        team.currentpick = 1;
        if (!clearTurnFlags(m_connection, m_draft.template_id)) {
            return fail(lines.clearTurn);
        }
        if (!setTurnFlag(m_connection, m_draft.template_id, team.teamid)) {
            return fail(lines.setTurn);
        }
        if (m_draft.drafttype == kDraftTypeSnake && target.direction != current.direction) {
            if (!writeDraftDirection(m_connection, m_draft.template_id, target.direction)) {
                return fail(target.direction == "U" ? lines.directionUp : lines.directionDown);
            }
            m_draft.draftdirection = target.direction;
        }
    }
    return true;
}

bool TurnWrite::clearTurn(std::string_view logLine) {
    if (!clearTurnFlags(m_connection, m_draft.template_id)) {
        return fail(logLine);
    }
    for (DraftTeam& team : m_draft.draftTeams) {
        team.currentpick = 0;
    }
    return true;
}

std::optional<std::int64_t> TurnWrite::record(const HistoryEntry& entry) {
    const auto stored = appendHistoryEntry(m_connection, m_draft.template_id, entry);
    if (!stored) {
        fail(kHistoryWriteFailed);
    }
    return stored;
}

bool TurnWrite::takeBack(const HistoryEntry& entry) {
    HistoryEntry undo = entry;
    undo.entryid = 0;
    undo.kind = HistoryKind::Undo;
    undo.undoes = entry.entryid;
    return record(undo).has_value();
}

bool TurnWrite::rewrite(const HistoryEntry& entry) {
    return updateHistoryEntry(m_connection, entry) || fail(kHistoryWriteFailed);
}

bool TurnWrite::deleteTaken(int playerid) {
    return deletePlayerTaken(m_connection, m_draft.template_id, playerid) ||
           fail(" 60002 error: could not access database");
}

}  // namespace quorvane
