// SPDX-License-Identifier: MIT
#include "online/SleeperRoom.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace quorvane {

namespace {

std::int64_t systemMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

std::string sleeperBaseUrl() {
    return roomBaseUrl("QUORVANE_SLEEPER_URL", kSleeperBaseUrl);
}

bool isRoomDraftId(const std::string& text) {
    return !text.empty() && text.size() <= 32 &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string freshQuery(const RoomMilliseconds& now, std::int64_t& lastQuery) {
    lastQuery = std::max(now ? now() : systemMilliseconds(), lastQuery + 1);
    return "_=" + std::to_string(lastQuery);
}

SleeperRoom::SleeperRoom(UrlTransfer& transfer, std::string draftId, std::string baseUrl,
                         RoomMilliseconds now)
    : m_transfer(transfer),
      m_link{RoomKind::Sleeper, std::move(draftId), 0},
      m_baseUrl(std::move(baseUrl)),
      m_now(std::move(now)) {}

RequestAnswer SleeperRoom::get(const std::string& path, const std::string& etag) {
    return askRoom(m_transfer, m_baseUrl + path + "?" + freshQuery(m_now, m_lastQuery), {}, etag);
}

std::string SleeperRoom::notFound() const {
    return "Sleeper knows no draft with this id. Please check the draft id.";
}

RoomRead<RoomDraft> SleeperRoom::readDraft() {
    RoomRead<RoomDraft> read;
    if (!isRoomDraftId(m_link.id)) {
        read.reply.info = "not a draft id";
        read.reply.message = notFound();
        return read;
    }
    const RequestAnswer answer = get("/draft/" + m_link.id, m_draftEtag);
    read.reply = roomReplyOf(m_link.title(), answer, notFound());
    if (read.reply.kind == RoomReply::Kind::Fresh) {
        ParsedAnswer<SleeperDraft> parsed = parseSleeperDraft(answer.answer.body);
        if (!parsed.value) {
            refuseAnswer(read.reply, m_link.title(), parsed.problem);
            return read;
        }
        m_draftEtag = answer.etag;
        m_lastDraft = std::move(parsed.value);
        read.value = m_lastDraft->draft;
    } else if (read.reply.kind == RoomReply::Kind::Unchanged) {
        if (!m_lastDraft) {
            // A 304 to a request without our validator is no answer at all.
            read.reply.kind = RoomReply::Kind::Refused;
            read.reply.message = m_link.title() + " did not answer as expected (HTTP 304).";
            return read;
        }
        read.value = m_lastDraft->draft;
    }
    return read;
}

RoomRead<std::vector<RoomPick>> SleeperRoom::readPicks() {
    RoomRead<std::vector<RoomPick>> read;
    if (!isRoomDraftId(m_link.id)) {
        read.reply.info = "not a draft id";
        read.reply.message = notFound();
        return read;
    }
    // No validator here: the picks are asked for only when the draft says they changed.
    const RequestAnswer answer = get("/draft/" + m_link.id + "/picks", {});
    read.reply = roomReplyOf(m_link.title(), answer, notFound());
    if (read.reply.kind == RoomReply::Kind::Unchanged) {
        read.reply.kind = RoomReply::Kind::Refused;
        read.reply.message = m_link.title() + " did not answer as expected (HTTP 304).";
    }
    if (read.reply.kind != RoomReply::Kind::Fresh) {
        return read;
    }
    ParsedAnswer<std::vector<RoomPick>> parsed =
        parseSleeperPicks(answer.answer.body, m_lastDraft ? m_lastDraft->draft : RoomDraft{});
    if (!parsed.value) {
        refuseAnswer(read.reply, m_link.title(), parsed.problem);
        return read;
    }
    read.value = std::move(parsed.value);
    return read;
}

std::optional<std::vector<RoomTeam>> SleeperRoom::readTeams(const RoomDraft& draft) {
    std::vector<RoomTeam> teams;
    for (const int roster : draft.listedTeams()) {
        teams.push_back({roster, {}});
    }
    if (!isRoomDraftId(draft.leagueId) || !m_lastDraft || m_lastDraft->userSlots.empty()) {
        return teams;
    }
    const RequestAnswer answer = get("/league/" + draft.leagueId + "/users", {});
    if (answer.answer.status != 200) {
        return teams;
    }
    const auto users = parseSleeperUsers(answer.answer.body);
    for (const SleeperUser& user : users.value.value_or(std::vector<SleeperUser>{})) {
        const auto slot = m_lastDraft->userSlots.find(user.userId);
        if (slot == m_lastDraft->userSlots.end() || slot->second < 1 ||
            slot->second > static_cast<int>(draft.order.size())) {
            continue;
        }
        const int roster = draft.order[static_cast<std::size_t>(slot->second - 1)];
        for (RoomTeam& team : teams) {
            // A name the room could not have meant is left out, not shown.
            if (team.number == roster && roomTextProblem(user.name).empty()) {
                team.name = user.name;
            }
        }
    }
    return teams;
}

}  // namespace quorvane
