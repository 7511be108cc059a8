// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "practice/BotDrafters.h"
#include "store/PracticeRows.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;
struct ProgramStore;

// What a new practice draft copies and how its opponents will draft.
struct PracticeChoice {
    int sourceId = 0;
    std::string name;                   // empty: "<the draft's name> practice N"
    std::optional<std::uint64_t> seed;  // empty: a fresh one
    bool fromNow = false;               // copy the picks made so far and whose turn it is
    BotMix bots = BotMix::Mix;
};

// Seeds are kept below 2^53 so that every one can be typed back as a number.
inline constexpr std::uint64_t kLargestSeed = (std::uint64_t{1} << 53) - 1;
std::uint64_t freshSeed();

// The checks that need no file: a name given (trailing blanks do not count) must be a draft name
// the program can store; an empty one is made from the draft's name. A name another draft has
// is refused by createPractice, under its transaction.
Decision decidePracticeCopy(const PracticeChoice& choice);

// Copies the draft's settings, teams, order and keepers (with fromNow its picks and turn too)
// into a new draft marked as a practice of it, in one transaction; the draft copied from is only
// read. The new draft's id, or why nothing was stored (a name refused, a failed statement
// logged).
Outcome<int> createPractice(ProgramStore& store, const PracticeChoice& choice);

// The practice row of a draft; nullopt for a real draft. A failed read comes back logged.
Outcome<std::optional<PracticeRow>> readPracticeOf(ProgramStore& store, int templateId);

// The same, refusing a draft that is not a practice draft, which practice commands never change.
Outcome<PracticeRow> requirePractice(ProgramStore& store, int templateId);

// Takes a practice draft back to where it started, with a new seed for its opponents (the given
// one, else a fresh one); keepers stay. After a failure nothing changed.
Outcome<Done> restartPractice(DraftSession& session, int templateId,
                              std::optional<std::uint64_t> seed = {});

// Deletes a practice draft and everything that belongs to it; refuses a real draft. The open
// draft, when it was this one, is closed.
Outcome<Done> deletePractice(DraftSession& session, int templateId);

}  // namespace quorvane
