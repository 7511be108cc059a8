// SPDX-License-Identifier: MIT
#include "online/Room.h"

#include <cctype>
#include <cstdlib>

#include "platform/Log.h"

namespace quorvane {

namespace {

bool isPlainHttp(const std::string& address) {
    constexpr std::string_view scheme = "http://";
    if (address.size() < scheme.size()) {
        return false;
    }
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(address[i])) != scheme[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string roomBaseUrl(const char* variable, const char* publicAddress) {
    const char* value = std::getenv(variable);
    std::string base = value != nullptr && *value != '\0' ? value : publicAddress;
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base;
}

RoomReply roomReplyOf(const std::string& room, const RequestAnswer& request,
                      const std::string& notFound) {
    const TransferAnswer& answer = request.answer;
    RoomReply reply;
    reply.status = answer.status;
    reply.retryAfterSeconds = request.retryAfterSeconds;
    reply.info = answer.info;
    switch (answer.failure) {
        case TransferFailure::None:
            break;
        case TransferFailure::NoConnection:
            reply.kind = RoomReply::Kind::Throttled;
            reply.message = room + " could not be reached at " + answer.address +
                            ". Please check your internet connection and try again.";
            return reply;
        case TransferFailure::TimedOut:
            reply.kind = RoomReply::Kind::Throttled;
            reply.message = room + " could not be read: " + transferFailureText(answer) +
                            ". Please try again in a moment.";
            return reply;
        case TransferFailure::TooLarge:
            reply.kind = RoomReply::Kind::Refused;
            reply.message = room + " cannot be followed: the answer of " + answer.address +
                            " is over " + std::to_string(kRoomAnswerLimit / (1024 * 1024)) + " MB.";
            return reply;
        default:
            reply.kind = RoomReply::Kind::Refused;
            reply.message = room + " cannot be followed: " + transferFailureText(answer) + ".";
            return reply;
    }
    if (answer.status == 200) {
        reply.kind = RoomReply::Kind::Fresh;
    } else if (answer.status == 304) {
        reply.kind = RoomReply::Kind::Unchanged;
    } else if (answer.status == 429 || answer.status >= 500) {
        reply.kind = RoomReply::Kind::Throttled;
        reply.message = room + " is busy (HTTP " + std::to_string(answer.status) +
                        "). Please try again in a moment.";
    } else if (answer.status == 404 || answer.status == 400) {
        reply.message = notFound;
    } else if (answer.status >= 300 && answer.status < 400 && isPlainHttp(request.redirect)) {
        reply.message = room + " cannot be followed: " + answer.address +
                        " sent the request on to " + request.redirect +
                        ", a plain http address, which is not asked.";
    } else {
        reply.message = room + " did not answer as expected (HTTP " +
                        std::to_string(answer.status) + "). Please try again in a moment.";
    }
    return reply;
}

std::string refusedAnswerText(const std::string& room, const std::string& problem) {
    return room + " sent an answer that cannot be followed: " + problem +
           ". Nothing of that answer was recorded.";
}

void refuseAnswer(RoomReply& reply, const std::string& room, const std::string& problem) {
    reply.kind = RoomReply::Kind::Refused;
    reply.info = problem + " (" + reply.info + ")";
    reply.message = refusedAnswerText(room, problem);
}

RequestAnswer askRoom(UrlTransfer& transfer, const std::string& url,
                      std::vector<std::string> headers, const std::string& etag) {
    TransferRequest request{url, etag, std::move(headers), kRoomAnswerLimit};
    try {
        return transfer.fetchRequest(request);
    } catch (const std::exception& error) {
        RequestAnswer failed;
        failed.answer.info = error.what();
        failed.answer.failure = TransferFailure::Other;
        failed.answer.address = url.substr(0, url.find('?'));
        return failed;
    }
}

Message roomUnreadable(const Log& log, const RoomReply& reply) {
    log.writeEntry(" follow: the draft room could not be read : " + reply.info);
    return {"Follow Online Draft", reply.message, MessageIcon::Exclamation};
}

}  // namespace quorvane
