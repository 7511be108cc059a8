// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "night/LotRules.h"

namespace quorvane {

struct DraftSession;

// How the host stores what the room decided: through the same writers as the window's "Add
// Player" and "Undo Last Pick", with no consent. There is nobody at the host to answer a
// question, so every question a rule asks is a refusal with the question's own text.

// A pick (no price) or a sale at `price`, into the first open slot the player fits, as the
// practice's opponents fill theirs. A pick is meant for `turn`, the turn the room decided it
// for: once another program took that turn it is refused. Nothing is stored when the writer
// refused or failed; the loaded draft and the held model follow what the file then holds.
NightVerdict recordNightPick(DraftSession& session, int teamid, int playerid,
                             std::optional<int> price, std::optional<int> turn = std::nullopt);

// Takes back the last entry of the turn history; the sentence the status bar would show, or
// why nothing was taken back.
struct NightUndo {
    std::string news;
    NightVerdict refusal;
};
NightUndo undoNightEntry(DraftSession& session);

}  // namespace quorvane
