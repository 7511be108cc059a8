// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "online/RoomData.h"
#include "platform/UrlTransfer.h"
#include "vocabulary/Decision.h"

namespace quorvane {

class Log;

// No room's answer comes near this; a larger one is cut off rather than read.
inline constexpr std::size_t kRoomAnswerLimit = 20 * 1024 * 1024;

// How one request to the room went.
struct RoomReply {
    enum class Kind {
        Fresh,      // a new answer was read
        Unchanged,  // 304: the answer is the one read before
        Throttled,  // 429, a 5xx or no answer in time: try again later, slower
        Refused,    // another status, a bad address or certificate, or an answer that cannot be
                    // followed: trying again will not help
    };
    Kind kind = Kind::Refused;
    long status = 0;
    std::optional<long> retryAfterSeconds;
    std::string info;     // for the log
    std::string message;  // for the user, naming the room and what was wrong; empty when Fresh
};

template <class T>
struct RoomRead {
    std::optional<T> value;  // set when Fresh, and for an unchanged draft the one read before
    RoomReply reply;
};

// One online draft room. The follower reads it through this alone: the draft, the picks, the
// teams' names, and how often it may ask.
class Room {
  public:
    virtual ~Room() = default;

    virtual const RoomLink& link() const = 0;
    // The draft as the room has it now. A room that answers its draft and picks in one request
    // reads the picks with it.
    virtual RoomRead<RoomDraft> readDraft() = 0;
    // The picks as of the last draft read, ordered by pick number; every name and number still
    // as the room wrote it (checkRoomAnswer judges them).
    virtual RoomRead<std::vector<RoomPick>> readPicks() = 0;
    // The room's teams with the names it shows; nullopt when it shows none.
    virtual std::optional<std::vector<RoomTeam>> readTeams(const RoomDraft& draft) = 0;
    // The shortest time between two reads of the draft.
    virtual std::chrono::seconds pollInterval() const = 0;
};

// The base address of a room: the environment variable when set (tests), else the public one;
// without a trailing slash.
std::string roomBaseUrl(const char* variable, const char* publicAddress);

// How a request went, for any room. A 404 or 400 is Refused with `notFound` as its message; a
// redirect to a plain http address, a certificate for another host or an untrusted one, a plain
// http address and an answer over the limit are Refused naming the address; no answer in time
// or no connection is Throttled with its own message.
RoomReply roomReplyOf(const std::string& room, const RequestAnswer& request,
                      const std::string& notFound);

// "Sleeper draft 2001 sent an answer that cannot be followed: pick 7 appears twice. Nothing of
// that answer was recorded."
std::string refusedAnswerText(const std::string& room, const std::string& problem);

// A Fresh reply whose answer cannot be followed: Refused, the message naming the room and the
// problem ("pick 7 is for roster 13, which the room never listed").
void refuseAnswer(RoomReply& reply, const std::string& room, const std::string& problem);

// A request to a room: the changing query, the headers it needs, the answer limit.
RequestAnswer askRoom(UrlTransfer& transfer, const std::string& url,
                      std::vector<std::string> headers = {}, const std::string& etag = {});

// Logs what came back from a room that could not be read, and gives what the user is told.
Message roomUnreadable(const Log& log, const RoomReply& reply);

}  // namespace quorvane
