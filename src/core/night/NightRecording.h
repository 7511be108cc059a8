// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "night/LotRules.h"

namespace quorvane {

struct ProgramState;

// How the host stores what the room decided, through the same writer as the window's "Add
// Player" and "Undo Last Pick". There is nobody at the host to answer a question, so every
// question a rule asks is a refusal with the question's own text.

// A pick (no price) or a sale at `price`, into the first open slot the player fits, as the
// practice's opponents fill theirs (`model` is the draft the rules decided over). Nothing is
// stored when the writer refused or failed.
NightVerdict recordNightPick(ProgramState& state, const DraftModel& model, int teamid, int playerid,
                             std::optional<int> price);

// Takes back the last entry of the turn history; the sentence the status bar would show, or
// why nothing was taken back.
struct NightUndo {
    std::string news;
    NightVerdict refusal;
};
NightUndo undoNightEntry(ProgramState& state);

}  // namespace quorvane
