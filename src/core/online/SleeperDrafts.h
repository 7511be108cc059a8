// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "online/SleeperRoom.h"
#include "platform/UrlTransfer.h"

namespace quorvane {

// One draft of a Sleeper user's season, as the draft list shows it.
struct SleeperDraftEntry {
    std::string draftId;
    std::string league;  // the league's name; "mock draft" for a draft of no league
    std::string kind;    // snake, linear, auction
    std::string status;  // pre_draft, drafting, paused, complete
};

struct SleeperDraftList {
    std::vector<SleeperDraftEntry> drafts;  // newest first as the room gives them
    std::string message;                    // why the list could not be read; empty when it was
};

// A name Sleeper could have given a user: letters, digits and _ . -, at most 40.
bool isSleeperUserName(const std::string& text);

// The season Sleeper files a draft under today: the year a season starts, so from July on this
// year's, before then last year's.
int currentSleeperSeason();

// Every draft of the user's season: his own drafts (mock drafts among them) and the drafts of
// each of his leagues, each once.
SleeperDraftList listSleeperDrafts(UrlTransfer& transfer, const std::string& userName, int season,
                                   const std::string& baseUrl = sleeperBaseUrl(),
                                   RoomMilliseconds now = {});

}  // namespace quorvane
