// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

class Connection;
struct DraftSettings;
struct DraftSession;

// The stored draft: its settings, slots, categories and teams, with the turn on the clock when
// `withTurn`. Failures are logged only and the remaining steps still run with what was read;
// `settingsRead` (when given) tells whether the settings row was.
DraftSettings readDraftSettings(Connection& connection, int templateId, bool withTurn,
                                bool* settingsRead = nullptr);

// Replaces the loaded draft's settings with the stored draft: its settings, slots, categories
// and teams, read whole before the program's loaded draft is replaced. Failures are logged only and
// the remaining steps still run with what was read. Returns true when the draft's settings row was
// read (the front end then shows its name).
bool loadDraft(DraftSession& state, int templateId);

// The same without the turn on the clock (left at 0), for a writer that holds the lock and
// derives the turn from the same history itself right after: reading it twice costs a pick
// more than half a millisecond.
bool loadDraftLeavingTurn(DraftSession& state, int templateId);

// Replaces the open draft's team list with its teams by draft position; on failure logs
// " error 20003 - could not get recordset" and keeps the list.
bool loadTeams(DraftSession& state);

}  // namespace quorvane
