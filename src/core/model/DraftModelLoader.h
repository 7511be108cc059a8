// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/DraftModel.h"
#include "store/DraftRows.h"

namespace quorvane {

class Connection;
struct DraftSettings;
struct ProgramState;
class UserDialogs;

// The open draft's model as the program holds it (see DraftModelCache): read from the file
// only when this program or another changed it since the last read; settings and teams always
// from state.draftSettings(). nullptr without an open draft or after a failure was shown and
// logged.
const DraftModel* currentDraftModel(ProgramState& state, UserDialogs& dialogs);

// The same model for a writer that changes it together with the file; see settleDraftModel.
DraftModel* heldDraftModel(ProgramState& state, UserDialogs& dialogs);

// After a writer's transaction: committed, what it changed in the held model is what the file
// now holds; otherwise the model is dropped and read again when next asked for.
void settleDraftModel(ProgramState& state, bool committed);

// Whether the model the program holds is still the file's: asked once a writer holds the lock,
// so that what it then writes is the only difference between the two.
bool heldModelIsCurrent(ProgramState& state);

// After a writer's committed transaction that began with heldModelIsCurrent: applies the same
// change to the held model, which then stands for the file again without a new read. A model
// that was stale then stays stale and is read again when next asked for.
void keepOwnChange(ProgramState& state, bool wasCurrent,
                   const std::function<void(DraftModel&)>& change);

// One player's rows of every season as a fresh load reads them (no pick, no ADP), for a writer
// that added him. nullopt after the failure was logged.
std::optional<std::vector<ModelPlayer>> readModelPlayerRows(Connection& connection, int playerid);

// A copy of it, for a caller that changes what it holds (punts, what-if picks).
std::optional<DraftModel> loadDraftModel(ProgramState& state, UserDialogs& dialogs);

// The model again after a pick, an undo or a new valuation. False after a failure was shown
// and logged; the model is then as it was.
bool refreshDraftModel(ProgramState& state, UserDialogs& dialogs, DraftModel& model);

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

// Reads the whole draft with five bound queries (players of every season, the season's ADPs, the
// draft's ADP spread, picks, punts),
// bypassing what the program holds: what a fresh start would see.
std::optional<DraftModel> readDraftModel(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
