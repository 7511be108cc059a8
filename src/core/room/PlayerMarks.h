// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "model/DraftModel.h"
#include "room/MarkRequests.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// A player's flag: 0 none, 1 sleeper, 2 bust, 3 upside.
inline constexpr int kNoFlag = 0;
inline constexpr int kHighestFlag = 3;

// The pop-up menu: choosing the flag the player has clears it, any other sets it.
int flagAfterChoice(int currentFlag, int chosen);

// Why a note cannot be stored (a control character, a direction control, more than 1000
// characters), or nullopt when it can. The front ends ask it first to put the stored note back.
std::optional<Message> playerNoteRefusal(std::string_view note);

// A flag the lists cannot show is refused ("Invalid Flag"); a note playerNoteRefusal refuses is
// refused with its message, and the draft's notes likewise ("Invalid Notes": a control character
// other than a line break or tab, a direction control, more than 20000 characters).
Decision decideFlag(const DraftModel& model, const FlagRequest& request);
Decision decideNote(const DraftModel& model, const PlayerNoteRequest& request);
Decision decideNote(const DraftNoteRequest& request);

// The writers of flags and notes: each decides again, writes in one transaction (a savepoint
// inside a caller's) and changes `model` as it changed the file. A caller that holds no model of
// the file passes an empty one, which then stays empty: a player the model does not hold is left
// alone.
Outcome<Done> writeFlag(Connection& connection, DraftModel& model, const FlagRequest& request);
// A failure writes the log line " 60050 error: could not add player note.".
Outcome<Done> writeNote(Connection& connection, DraftModel& model,
                        const PlayerNoteRequest& request);
// The draft's notes are no part of the model.
Outcome<Done> writeNote(Connection& connection, const DraftNoteRequest& request);

}  // namespace quorvane
