// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "room/DraftPicks.h"
#include "store/PlayerValueRepository.h"

namespace quorvane {

struct LoadedDraft;
struct DraftSession;

// The line above the tabs that says where the draft stands.
// A straight or snake draft: "Round 2 · Pick 3 (#15) — Owner 10 on the clock · you pick in 4",
// where #15 is the turn on the clock (skipped turns counted: the number the next pick gets) and
// "in 4" counts the turns until the user's team picks ("· your pick" when it is on the clock,
// nothing more when it has no pick left or no team is the user's). With no team on the clock,
// or past the last turn, "Draft complete · 156 picks made".
// An auction: auctionBannerLine, its inflation worked out from the players' values (left out
// without them).
std::string clockBanner(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                        const std::vector<PlayerValue>& values = {});
// The players' values an auction's banner reads its inflation from (none in other drafts, or
// when they cannot be read: the banner then leaves the inflation out).
std::vector<PlayerValue> bannerValues(DraftSession& session);
// What the banner's line leaves out (an auction's last sale, the league's money, the inflation
// worked out); empty for a straight or snake draft.
std::string clockBannerDetails(const LoadedDraft& loaded, const std::vector<DraftPick>& picks,
                               const std::vector<PlayerValue>& values = {});

// Turns from the turn on the clock until the team at draft position `position` picks (0 when it
// picks now); -1 when it gets no turn before the draft's last pick.
int turnsUntil(const LoadedDraft& loaded, int position);

}  // namespace quorvane
