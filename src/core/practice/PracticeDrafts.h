// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "practice/BotDrafters.h"
#include "store/PracticeRows.h"

namespace quorvane {

struct ProgramState;
struct ProgramStore;
class UserDialogs;

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

// Copies the draft's settings, teams, order and keepers (with fromNow its picks and turn too)
// into a new draft marked as a practice of it, in one transaction; the draft copied from is only
// read. The new draft's id; nullopt after the failure was shown.
std::optional<int> createPractice(ProgramStore& state, UserDialogs& dialogs,
                                  const PracticeChoice& choice);

// The practice row of a draft; nullopt for a real draft (`failed` says whether the read failed,
// which was then shown and logged).
std::optional<PracticeRow> readPracticeOf(ProgramStore& state, UserDialogs& dialogs, int templateId,
                                          bool& failed);

// The same, telling the user when the draft is not a practice draft, which practice commands
// never change.
std::optional<PracticeRow> requirePractice(ProgramStore& state, UserDialogs& dialogs,
                                           int templateId);

// Takes a practice draft back to where it started, with a new seed for its opponents (the given
// one, else a fresh one); keepers stay. False after the failure was shown; nothing changed then.
bool restartPractice(ProgramState& state, UserDialogs& dialogs, int templateId,
                     std::optional<std::uint64_t> seed = {});

// Deletes a practice draft and everything that belongs to it; refuses a real draft. The open
// draft, when it was this one, is closed.
bool deletePractice(ProgramState& state, UserDialogs& dialogs, int templateId);

}  // namespace quorvane
