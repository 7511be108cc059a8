// SPDX-License-Identifier: MIT
#include "follow/SleeperRoom.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>

#include "app/UserDialogs.h"
#include "store/Log.h"

namespace quorvane {

namespace {

std::int64_t systemMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

RoomReply replyOf(const RequestAnswer& request) {
    const TransferAnswer& answer = request.answer;
    RoomReply reply;
    reply.status = answer.status;
    reply.retryAfterSeconds = request.retryAfterSeconds;
    reply.info = answer.info;
    if (answer.status == 304) {
        reply.kind = RoomReply::Kind::Unchanged;
    } else if (answer.status == 0 || answer.status == 429 || answer.status >= 500) {
        reply.kind = RoomReply::Kind::Throttled;
    } else if (answer.status == 200) {
        reply.kind = RoomReply::Kind::Fresh;
    }
    return reply;
}

template <class T, class Parse>
RoomRead<T> readAnswer(const RequestAnswer& request, Parse parse) {
    const TransferAnswer& answer = request.answer;
    RoomRead<T> read;
    read.reply = replyOf(request);
    if (read.reply.kind == RoomReply::Kind::Fresh) {
        read.value = parse(answer.body);
        if (!read.value) {
            read.reply.kind = RoomReply::Kind::Refused;
            read.reply.info = "the answer is not what the room sends (" + answer.info + ")";
        }
    }
    return read;
}

}  // namespace

std::string sleeperBaseUrl() {
    const char* value = std::getenv("QUORVANE_SLEEPER_URL");
    std::string base = value != nullptr && *value != '\0' ? value : kSleeperBaseUrl;
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base;
}

bool isRoomDraftId(const std::string& text) {
    return !text.empty() && text.size() <= 32 &&
           std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

SleeperRoom::SleeperRoom(UrlTransfer& transfer, std::string draftId, std::string baseUrl,
                         Milliseconds now)
    : m_transfer(transfer),
      m_draftId(std::move(draftId)),
      m_baseUrl(std::move(baseUrl)),
      m_now(now ? std::move(now) : Milliseconds(&systemMilliseconds)) {}

std::string SleeperRoom::freshQuery() {
    // Two requests within one millisecond still get two queries.
    m_lastQuery = std::max(m_now(), m_lastQuery + 1);
    return "?_=" + std::to_string(m_lastQuery);
}

RequestAnswer SleeperRoom::get(const std::string& path, const std::string& etag) {
    try {
        return m_transfer.fetchRequest({m_baseUrl + path + freshQuery(), etag});
    } catch (const std::exception& error) {
        RequestAnswer failed;
        failed.answer.info = error.what();
        return failed;
    }
}

RoomRead<RoomDraft> SleeperRoom::readDraft() {
    if (!isRoomDraftId(m_draftId)) {
        return {std::nullopt, {RoomReply::Kind::Refused, 0, std::nullopt, "not a draft id"}};
    }
    const RequestAnswer answer = get("/draft/" + m_draftId, m_draftEtag);
    RoomRead<RoomDraft> read = readAnswer<RoomDraft>(answer, parseRoomDraft);
    if (read.value) {
        m_draftEtag = answer.etag;
        m_lastDraft = read.value;
    } else if (read.reply.kind == RoomReply::Kind::Unchanged) {
        read.value = m_lastDraft;
        if (!read.value) {
            // A 304 to a request without our validator is no answer at all.
            read.reply.kind = RoomReply::Kind::Refused;
        }
    }
    return read;
}

RoomRead<std::vector<RoomPick>> SleeperRoom::readPicks() {
    if (!isRoomDraftId(m_draftId)) {
        return {std::nullopt, {RoomReply::Kind::Refused, 0, std::nullopt, "not a draft id"}};
    }
    // No validator here: the picks are asked for only when the draft says they changed.
    return readAnswer<std::vector<RoomPick>>(get("/draft/" + m_draftId + "/picks", {}),
                                             parseRoomPicks);
}

std::optional<std::vector<RoomUser>> SleeperRoom::readUsers(const std::string& leagueId) {
    if (!isRoomDraftId(leagueId)) {
        return std::nullopt;
    }
    const RequestAnswer answer = get("/league/" + leagueId + "/users", {});
    return answer.answer.status == 200 ? parseRoomUsers(answer.answer.body) : std::nullopt;
}

void SleeperRoom::reportUnreadable(UserDialogs& dialogs, const Log& log, const RoomReply& reply) {
    log.writeEntry(" follow: the draft room could not be read : " + reply.info);
    std::string text;
    if (reply.status == 404 || reply.status == 400 || reply.info == "not a draft id") {
        text = "Sleeper knows no draft with this id. Please check the draft id.";
    } else if (reply.status == 0) {
        text =
            "The Sleeper draft room could not be reached. Please check your internet "
            "connection and try again.";
    } else {
        text = "The Sleeper draft room did not answer as expected (HTTP " +
               std::to_string(reply.status) + "). Please try again in a moment.";
    }
    dialogs.showMessage("Follow Online Draft", text, MessageIcon::Exclamation);
}

}  // namespace quorvane
