// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "online/FantraxAnswers.h"
#include "online/Room.h"
#include "online/RoomPlayerList.h"

namespace quorvane {

inline constexpr const char* kFantraxBaseUrl = "https://www.fantrax.com/fxea/general";

// Fantrax's address: QUORVANE_FANTRAX_URL when set, else the public one.
std::string fantraxBaseUrl();

// True for an id Fantrax could have given a league: letters and digits.
bool isFantraxLeagueId(const std::string& text);

// A Fantrax league's draft: the league's teams once, then the draft results, which can be read
// while the draft runs, every 5 s at most; the players from Fantrax's player list, kept a day in
// the data folder. Its answers carry no auction prices: an auction is followed as picks without
// prices, and the status says so.
class FantraxRoom final : public Room {
  public:
    FantraxRoom(UrlTransfer& transfer, std::string leagueId, const std::string& dataFolder,
                std::string baseUrl = fantraxBaseUrl());

    const RoomLink& link() const override { return m_link; }
    RoomRead<RoomDraft> readDraft() override;
    RoomRead<std::vector<RoomPick>> readPicks() override;
    std::optional<std::vector<RoomTeam>> readTeams(const RoomDraft& draft) override;
    std::chrono::seconds pollInterval() const override { return std::chrono::seconds(5); }

  private:
    // The reply to one call; Refused with Fantrax's own words for an error answer.
    RoomReply ask(const std::string& call, std::string& body);

    UrlTransfer& m_transfer;
    RoomLink m_link;
    std::string m_baseUrl;
    std::optional<FantraxLeague> m_league;
    FantraxTeamNumbers m_numbers;
    std::optional<FantraxDraft> m_last;
    RoomPlayerList m_players;
};

}  // namespace quorvane
