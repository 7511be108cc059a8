// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "online/Room.h"
#include "online/SleeperAnswers.h"

namespace quorvane {

inline constexpr const char* kSleeperBaseUrl = "https://api.sleeper.app/v1";

// The room service's address: QUORVANE_SLEEPER_URL when set, else the public one.
std::string sleeperBaseUrl();

// True for an id the room could have given a draft, league or user: digits only.
bool isRoomDraftId(const std::string& text);

// The time a room's request query is made of.
using RoomMilliseconds = std::function<std::int64_t()>;

// One draft of the Sleeper room. Every request carries a query that changes (`?_=<ms>`), since
// the edge would otherwise answer from its cache for 15 s, and the draft request sends the ETag
// of the last answer so an unchanged draft may answer 304. The picks are asked for separately,
// only when the draft says they changed.
class SleeperRoom final : public Room {
  public:
    SleeperRoom(UrlTransfer& transfer, std::string draftId, std::string baseUrl = sleeperBaseUrl(),
                RoomMilliseconds now = {});

    const RoomLink& link() const override { return m_link; }
    RoomRead<RoomDraft> readDraft() override;
    RoomRead<std::vector<RoomPick>> readPicks() override;
    // The league's members at their slots: "Downtown Dribblers" for roster 2.
    std::optional<std::vector<RoomTeam>> readTeams(const RoomDraft& draft) override;
    std::chrono::seconds pollInterval() const override { return std::chrono::seconds(3); }

  private:
    RequestAnswer get(const std::string& path, const std::string& etag);
    std::string notFound() const;

    UrlTransfer& m_transfer;
    RoomLink m_link;
    std::string m_baseUrl;
    RoomMilliseconds m_now;
    std::int64_t m_lastQuery = 0;
    std::string m_draftEtag;
    std::optional<SleeperDraft> m_lastDraft;  // the answer an unchanged (304) draft stands for
};

// The query that keeps an edge cache from answering: the time in milliseconds, never the same
// twice (two requests within one millisecond still get two queries).
std::string freshQuery(const RoomMilliseconds& now, std::int64_t& lastQuery);

}  // namespace quorvane
