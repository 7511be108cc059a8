// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSession;

struct PracticeRunOptions {
    // Go on through the user's own turns too, each taking the advice's first player he can
    // roster (in an auction: nominating him).
    bool toEnd = false;
    // Auctions: the user's limit per player (whole dollars); 0 for anyone not listed.
    std::map<int, double> userLimits;
    // Auctions: the player the user nominates when the next nomination is his.
    std::optional<int> nomination;
    // Auctions: a sale whose player has no limit in userLimits waits for the user to give one
    // (the window asks him) instead of counting him out, unless he could not bid anyway.
    bool askUserLimit = false;
    // Stop after this many picks or sales.
    std::optional<int> maxPicks;
    // The wait before each pick, so that a watcher can follow the draft pick by pick.
    std::chrono::milliseconds pace{0};
    // The stored values are the draft's already (a window that values the room after every
    // change): the run does not work them out again, which would hold the window's writes up.
    bool valuesCurrent = false;
};

struct PracticePick {
    int pickNumber = 0;
    int teamid = 0;
    std::string teamname;
    int playerid = 0;
    std::string player;  // "First Last"
    std::string slot;
    double price = 0.0;
};

enum class PracticeStop {
    UsersTurn,        // the user is on the clock
    UsersNomination,  // an auction's next nomination is the user's
    UsersLimit,       // an auction's player is up and the user's limit for him is wanted
    DraftOver,        // no team can pick any more
    PickLimit,        // maxPicks were made
    Stopped,          // asked to stop
    Failed,           // a failure (in `failure` when it has words); the picks before it stand
};

struct PracticeRunResult {
    std::vector<PracticePick> picks;
    PracticeStop stop = PracticeStop::Failed;
    // With UsersLimit: the player up for sale.
    int nominated = 0;
    // With Failed: what the user is to be told (a failed statement was logged too).
    std::optional<Message> failure;
};

// Runs the open practice draft on: the values worked out for it once by `valueDraft` (unless
// valuesCurrent; false when that failed, its failure told by itself),
// then its opponents pick as the practice's bots draft (BotDrafters.h: by noisy ADP with the
// practice's seed, by G or by H-scores), each into the first open slot the player may fill, one
// recorded pick at a time, until the user is on the clock (or, with toEnd, to the end of the
// draft). In an auction the team whose turn it is to nominate names its bot's choice and every
// team bids up to its limit (see PracticeAuction.h), the nominating team opening
// at the minimum bid. A pick, sale, undo or skip that another connection (the user's window)
// records meanwhile is read before the bots' next pick. `picked` is told of each pick once it is
// stored. Refuses a draft that is not a practice draft.
PracticeRunResult runPractice(DraftSession& session, const PracticeRunOptions& options,
                              const std::function<bool()>& valueDraft,
                              const std::atomic<bool>* stop = nullptr,
                              const std::function<void(const PracticePick&)>& picked = {});

}  // namespace quorvane
