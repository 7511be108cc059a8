// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/Connection.h"

namespace quorvane {

// A practice draft: the draft it was copied from, the seed its opponents draft by, whether it
// started from the source's picks, and where it started (its last copied pick number and the
// turn then), so that a restart finds its way back; and how its opponents draft ("adp", "g",
// "h" or "mix").
struct PracticeRow {
    int template_id = 0;
    int source_template_id = 0;
    std::int64_t seed = 0;
    bool fromNow = false;
    int startPick = 0;
    int startPosition = 0;
    std::string startDirection = "U";
    std::string bots = "adp";
};

// One entry of the draft list; practiceOf is the source of a practice draft, 0 for a real one.
struct DraftListRow {
    int template_id = 0;
    std::string template_name;
    int practiceOf = 0;
};

// Every draft, oldest first. nullopt after the failure was logged.
std::optional<std::vector<DraftListRow>> readDraftListRows(Connection& connection);

// Whether the draft is a practice draft: `row` holds it, or stays empty for a real draft. False
// after the failure was logged.
bool readPractice(Connection& connection, int templateId, std::optional<PracticeRow>& row);

bool writePractice(Connection& connection, const PracticeRow& row);

// Copies a draft into a new one named `name`: its settings, roster slots, categories, punts,
// targets, ADP spread and teams (new team ids, same names, order and owner), and its keepers;
// with `withPicks` also its picks and whose turn it is, else the turn goes to draft position 1
// of a snake that runs up. The caller holds the transaction. The new draft's id; nullopt after
// the failing statement was logged.
std::optional<int> copyDraft(Connection& connection, int sourceId, const std::string& name,
                             bool withPicks);

// The draft's picks (not its keepers) taken back to the first `keptPicks` and the turn given to
// the team at `draftposition` in `direction`; the caller holds the transaction.
bool rewindDraft(Connection& connection, int templateId, int keptPicks, int draftposition,
                 const std::string& direction);

// Where a draft stands: its last pick number, the draft position on the clock (0 for none) and
// the snake's direction. nullopt after the failure was logged.
struct DraftPlace {
    int lastPick = 0;
    int onClock = 0;
    std::string direction = "U";
};
std::optional<DraftPlace> readDraftPlace(Connection& connection, int templateId);

// Every row of every table that belongs to the draft (each table with a template_id column);
// the caller holds the transaction.
bool deleteDraftRows(Connection& connection, int templateId);

}  // namespace quorvane
