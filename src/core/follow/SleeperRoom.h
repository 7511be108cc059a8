// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/UrlTransfer.h"
#include "follow/RoomData.h"

namespace quorvane {

class Log;
class UserDialogs;

inline constexpr const char* kSleeperBaseUrl = "https://api.sleeper.app/v1";

// The room service's address: QUORVANE_SLEEPER_URL when set, else the public one.
std::string sleeperBaseUrl();

// True for an id the room could have given a draft: digits only.
bool isRoomDraftId(const std::string& text);

// How one request to the room went.
struct RoomReply {
    enum class Kind {
        Fresh,      // a new answer was read
        Unchanged,  // 304: the answer is the one read before
        Throttled,  // 429, a 5xx or no answer at all: try again later, slower
        Refused,    // another status or an answer that is no draft: trying again will not help
    };
    Kind kind = Kind::Refused;
    long status = 0;
    std::optional<long> retryAfterSeconds;
    std::string info;
};

template <class T>
struct RoomRead {
    std::optional<T> value;  // set when Fresh, and for an unchanged draft the one read before
    RoomReply reply;
};

// Reads one draft of the Sleeper room. Every request carries a query that changes
// (`?_=<milliseconds>`), since the edge would otherwise answer from its cache for 15 s, and the
// draft request sends the ETag of the last answer so an unchanged draft may answer 304.
class SleeperRoom {
  public:
    using Milliseconds = std::function<std::int64_t()>;

    SleeperRoom(UrlTransfer& transfer, std::string draftId, std::string baseUrl = sleeperBaseUrl(),
                Milliseconds now = {});

    const std::string& draftId() const { return m_draftId; }

    RoomRead<RoomDraft> readDraft();
    RoomRead<std::vector<RoomPick>> readPicks();
    // The league's members, for naming the rosters; nullopt when the room gives none.
    std::optional<std::vector<RoomUser>> readUsers(const std::string& leagueId);

    // Tells the user why the room could not be read and logs what came back.
    static void reportUnreadable(UserDialogs& dialogs, const Log& log, const RoomReply& reply);

  private:
    RequestAnswer get(const std::string& path, const std::string& etag);
    std::string freshQuery();

    UrlTransfer& m_transfer;
    std::string m_draftId;
    std::string m_baseUrl;
    Milliseconds m_now;
    std::int64_t m_lastQuery = 0;
    std::string m_draftEtag;
    std::optional<RoomDraft> m_lastDraft;  // the answer an unchanged (304) draft stands for
};

}  // namespace quorvane
