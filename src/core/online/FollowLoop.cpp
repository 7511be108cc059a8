// SPDX-License-Identifier: MIT
#include "online/FollowLoop.h"

#include "model/DraftSession.h"
#include "online/FollowStore.h"
#include "online/Room.h"

namespace quorvane {

namespace {

constexpr const char* kDot = " \u00b7 ";

std::string picksText(int picks) {
    return std::to_string(picks) + (picks == 1 ? " pick" : " picks");
}

}  // namespace

std::string followStatusLine(const FollowStatus& status, FollowClock::TimePoint now) {
    using State = FollowStatus::State;
    const std::string note = status.note.empty() ? std::string() : kDot + status.note;
    switch (status.state) {
        case State::Following: {
            std::string line = "Following" + std::string(kDot) + picksText(status.roomPicks);
            if (status.lastChange) {
                const auto ago =
                    std::chrono::duration_cast<std::chrono::seconds>(now - *status.lastChange);
                line += std::string(kDot) + "last change " +
                        std::to_string(std::max<long long>(ago.count(), 0)) + " s ago";
            }
            return line + note;
        }
        case State::Waiting:
            return "Waiting " + std::to_string(status.backOff ? status.backOff->count() : 0) +
                   " s" + kDot +
                   (status.lastHttpStatus == 0
                        ? std::string("the room did not answer")
                        : "the room answered " + std::to_string(status.lastHttpStatus)) +
                   kDot + picksText(status.roomPicks);
        case State::NeedsPlayer:
            return "Stopped at " + status.detail;
        case State::Complete:
            return "Draft complete" + std::string(kDot) + picksText(status.roomPicks) + note;
        case State::Failed:
            return "Stopped" + std::string(kDot) + status.detail;
        case State::Stopped:
            break;
    }
    return "Stopped";
}

FollowLoop::FollowLoop(DraftSession& session, Room& room, FollowClock& clock, Sync sync,
                       Events events)
    : m_state(session),
      m_room(room),
      m_clock(clock),
      m_sync(std::move(sync)),
      m_events(std::move(events)),
      m_schedule(clock.now(), room.pollInterval()) {}

void FollowLoop::tell(FollowStatus::State state) {
    m_status.state = state;
    m_status.backOff = m_schedule.backOff();
    if (m_events.status) {
        m_events.status(m_status);
    }
}

void FollowLoop::unreadable(const RoomReply& reply) {
    const Message message = roomUnreadable(m_state.dbConnection.log(), reply);
    if (m_events.message) {
        m_events.message(message);
    }
}

bool FollowLoop::waitFor(FollowClock::TimePoint when, const std::atomic<bool>& stop) {
    m_clock.waitUntil(m_schedule.capAllows(when), stop);
    return !stop.load();
}

std::optional<FollowStatus> FollowLoop::readPicksAndSync(const RoomDraft& draft) {
    const RoomRead<std::vector<RoomPick>> picks = m_room.readPicks();
    m_schedule.callMade(m_clock.now());
    m_status.lastHttpStatus = picks.reply.status;
    if (picks.reply.kind == RoomReply::Kind::Throttled) {
        m_schedule.throttled(m_clock.now(), picks.reply.retryAfterSeconds);
        tell(FollowStatus::State::Waiting);
        return std::nullopt;
    }
    if (!picks.value) {
        unreadable(picks.reply);
        m_status.detail = picks.reply.message;
        tell(FollowStatus::State::Failed);
        return m_status;
    }
    const FollowSync sync = m_sync(m_room.link(), draft, *picks.value);
    m_status.roomPicks = static_cast<int>(picks.value->size());
    if (!m_status.lastChange || !sync.recorded.empty() || !sync.undone.empty()) {
        m_status.lastChange = m_clock.now();
    }
    if (m_events.synced) {
        m_events.synced(sync);
    }
    if (sync.outcome == FollowSync::Outcome::NeedsPlayer && sync.unmatched) {
        m_status.detail = "pick " + std::to_string(sync.unmatched->pick.pickNo) + kDot +
                          sync.unmatched->pick.fullName() +
                          (sync.unmatched->candidates.empty() ? " matches no player"
                                                              : " matches several players");
        tell(FollowStatus::State::NeedsPlayer);
        return m_status;
    }
    if (sync.outcome == FollowSync::Outcome::Failed) {
        m_status.detail = sync.problem.empty()
                              ? std::string("a pick could not be recorded")
                              : refusedAnswerText(m_room.link().title(), sync.problem);
        tell(FollowStatus::State::Failed);
        return m_status;
    }
    return FollowStatus{};  // synced: the caller goes on
}

FollowStatus FollowLoop::run(const std::atomic<bool>& stop) {
    if (!m_state.draftSettings() ||
        !markFollowing(m_state, *m_state.loadedDraft, m_room.link(), true)) {
        m_status.detail = "the draft could not be marked as followed";
        tell(FollowStatus::State::Failed);
        return m_status;
    }
    std::optional<RoomDraft> draft;
    bool picksWanted = true;
    std::optional<FollowStatus> ended;
    while (!ended && waitFor(m_schedule.nextDraftCall(), stop)) {
        const RoomRead<RoomDraft> read = m_room.readDraft();
        m_schedule.callMade(m_clock.now());
        m_status.lastHttpStatus = read.reply.status;
        if (read.reply.kind == RoomReply::Kind::Throttled) {
            m_schedule.throttled(m_clock.now(), read.reply.retryAfterSeconds);
            tell(FollowStatus::State::Waiting);
            continue;
        }
        if (read.reply.kind == RoomReply::Kind::Refused) {
            unreadable(read.reply);
            m_status.detail = read.reply.message;
            tell(FollowStatus::State::Failed);
            ended = m_status;
            break;
        }
        if (read.value) {
            picksWanted = picksWanted || !draft || draft->lastPicked != read.value->lastPicked ||
                          draft->status != read.value->status;
            draft = read.value;
            m_status.note = draft->note;
        }
        if (!draft) {
            // A 304 before any draft was read: ask again without waiting for a change.
            m_schedule.answered(m_clock.now(), false);
            continue;
        }
        if (picksWanted) {
            if (!waitFor(m_clock.now(), stop)) {
                break;
            }
            const std::optional<FollowStatus> outcome = readPicksAndSync(*draft);
            if (!outcome) {
                continue;  // throttled: the picks are asked for again after the back-off
            }
            if (outcome->state != FollowStatus::State::Following) {
                ended = outcome;
                break;
            }
            picksWanted = false;
        }
        m_schedule.answered(m_clock.now(), draft->playerUp());
        if (draft->complete()) {
            tell(FollowStatus::State::Complete);
            ended = m_status;
            break;
        }
        tell(FollowStatus::State::Following);
    }
    markFollowing(m_state, *m_state.loadedDraft, m_room.link(), false);
    if (!ended) {
        tell(FollowStatus::State::Stopped);
        return m_status;
    }
    return *ended;
}

}  // namespace quorvane
