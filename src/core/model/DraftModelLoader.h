// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/DraftModel.h"
#include "store/DraftRows.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;
struct DraftSession;
struct DraftSettings;

// The open draft's model as the session holds it (see DraftModelCache): read from the file
// only when this program or another changed it since the last read; settings and teams always
// from session.draftSettings(). nullptr without an open draft; a failed read comes back with
// its message (its log line written) and the held model is dropped.
Outcome<const DraftModel*> currentDraftModel(DraftSession& session);

// The same model for a writer that changes it together with the file; see settleDraftModel.
Outcome<DraftModel*> heldDraftModel(DraftSession& session);

// After a writer's transaction: committed, what it changed in the held model is what the file
// now holds; otherwise the model is dropped and read again when next asked for.
void settleDraftModel(DraftSession& session, bool committed);

// Whether the model the session holds is still the file's: asked once a writer holds the lock,
// so that what it then writes is the only difference between the two.
bool heldModelIsCurrent(DraftSession& session);

// After a writer's committed transaction that began with heldModelIsCurrent: applies the same
// change to the held model, which then stands for the file again without a new read. A model
// that was stale then stays stale and is read again when next asked for.
void keepOwnChange(DraftSession& session, bool wasCurrent,
                   const std::function<void(DraftModel&)>& change);

// One player's rows of every season as a fresh load reads them (no pick, no ADP), for a writer
// that added him. nullopt after the failure was logged.
std::optional<std::vector<ModelPlayer>> readModelPlayerRows(Connection& connection, int playerid);

// Puts the settings, slots, categories and teams (with the turn) of the draft into the model, the
// punts kept: what a writer that changed only those needs after its change.
void readSettings(const DraftSettings& settings, DraftModel& model);
// The same sharing the settings value instead of copying it.
void readSettings(std::shared_ptr<const DraftSettings> settings, DraftModel& model);

// The picks of the model made the rows of DraftTaken as read (in recording order), and its
// players' teams, slots, numbers and prices with them.
void applyPickRows(const std::vector<PickRow>& rows, DraftModel& model);
// Whether the model's picks are exactly those rows, in their order.
bool holdsPickRows(const DraftModel& model, const std::vector<PickRow>& rows);

// Reads the whole draft of `settings` in the season `projectionYear` with five bound queries
// (players of every season, the season's ADPs, the draft's ADP spread, picks, punts), bypassing
// what the program holds: what a fresh start would see, and what a thread with a connection of
// its own (the draft-night host, the bots) reads. A failure comes back with its message, its log
// line written.
Outcome<DraftModel> readDraftModel(Connection& connection,
                                   std::shared_ptr<const DraftSettings> settings,
                                   int projectionYear);

// The same for the session's open draft; nullopt without one.
std::optional<Outcome<DraftModel>> readDraftModel(DraftSession& session);

}  // namespace quorvane
