// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/DraftPicks.h"
#include "store/PlayerValueRepository.h"

namespace quorvane {

struct DraftSettings;
struct DraftSession;

// The team whose turn it is to put a player up for sale. Teams take turns by draft position,
// one sale each, from position 1; a team whose roster is full when its turn comes is passed
// over. Keepers count towards full rosters but are no sales. 0 once every roster is full.
int nominatingTeam(const DraftSettings& draft, const std::vector<DraftPick>& picks);

// The open draft's nominating team; nullopt outside auctions, once every roster is full, or when
// the picks cannot be read.
std::optional<int> nominatingTeamOf(DraftSession& session);

// Roster places of the whole league still to be filled (reserves included).
int playersStillToBuy(const DraftSettings& draft, const std::vector<DraftPick>& picks);

// How much dearer than their values the players still to buy have become: the share of the
// league's money still unspent over the share of its value still unbought, less one.
//   money share = (teams x cap - every price paid, keepers included) / (teams x cap)
//   value share = (values of the best N undrafted players) / (values of the best P players)
// where P = teams x the slots that start (the players the valuation prices) and N = P less the
// players held in those slots; values below zero count as zero. Buying players below their
// value makes it positive. nullopt when nothing is left to buy or there is no value to share.
std::optional<double> auctionInflation(const DraftSettings& draft,
                                       const std::vector<DraftPick>& picks,
                                       const std::vector<PlayerValue>& values);

// "+4.2%", "-1.3%", "0.0%": one decimal, the sign always shown (a minus sign for a fall).
std::string inflationText(double rate);

// The auction's banner on one line: "Owner 3 nominates · 143 to buy · inflation +4.2% · you
// $152 left, max bid $141" (no inflation without values, nothing of the user's without a team
// of his), or "Auction complete · 156 players bought".
std::string auctionBannerLine(const DraftSettings& draft, int myTeamId,
                              const std::vector<DraftPick>& picks,
                              const std::vector<PlayerValue>& values);

// What the banner's line leaves out, a line each: the last sale ("Last sale: Jimmy Butler to
// Owner 10 for $45" or "No sales yet"), the money left in the league, how the inflation is
// worked out and the user's own money.
std::string auctionBannerDetails(const DraftSettings& draft, int myTeamId,
                                 const std::vector<DraftPick>& picks,
                                 const std::vector<PlayerValue>& values);

}  // namespace quorvane
