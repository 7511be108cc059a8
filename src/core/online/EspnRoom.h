// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "online/EspnAnswers.h"
#include "online/EspnCookies.h"
#include "online/Room.h"
#include "online/RoomPlayerList.h"

namespace quorvane {

inline constexpr const char* kEspnBaseUrl = "https://lm-api-reads.fantasy.espn.com/apis/v3";

// ESPN's address: QUORVANE_ESPN_URL when set, else the public one.
std::string espnBaseUrl();

// True for an id ESPN could have given a league: digits only.
bool isEspnLeagueId(const std::string& text);

// An ESPN league's draft in one season. One request reads the draft, its settings and its
// teams together; the players come from the season's player list, kept a day in the data
// folder. ESPN publishes picks in bulk rather than live, so it is asked every 10 s at most.
class EspnRoom final : public Room {
  public:
    EspnRoom(UrlTransfer& transfer, std::string leagueId, int season,
             std::optional<EspnCookies> cookies, const std::string& dataFolder,
             std::string baseUrl = espnBaseUrl());

    const RoomLink& link() const override { return m_link; }
    RoomRead<RoomDraft> readDraft() override;
    RoomRead<std::vector<RoomPick>> readPicks() override;
    std::optional<std::vector<RoomTeam>> readTeams(const RoomDraft& draft) override;
    std::chrono::seconds pollInterval() const override { return std::chrono::seconds(10); }

  private:
    std::string seasonUrl() const;

    UrlTransfer& m_transfer;
    RoomLink m_link;
    std::optional<EspnCookies> m_cookies;
    std::string m_baseUrl;
    std::optional<EspnDraft> m_last;
    RoomPlayerList m_players;
};

}  // namespace quorvane
