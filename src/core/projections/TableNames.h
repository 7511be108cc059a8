// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "projections/TableCells.h"
#include "text/TextChecks.h"

namespace quorvane {

// A name cell as sites write it, with what they put around the name taken off: a trailing site
// id after a backslash ("Luka Dončić\doncilu01"), a trailing "(DAL - PG)" or "DAL PG" (kept as
// the row's team and position), a reference site's "*".
struct NameCell {
    std::string name;
    std::string team;
    std::optional<PositionCell> position;
};
NameCell readNameCell(std::string_view cell);

// Why a name cannot be a player's (textProblem's words, or "holds no letters"), or nullopt for a
// name that can.
std::optional<std::string> nameProblem(std::string_view name);

// A row that sums or averages others: "League Average", "Team Totals", "Totals".
bool isAggregateName(std::string_view name);

// A team as stat sites abbreviate it ("LAL", "BKN", "PHX", "FA" for a free agent), in capitals.
bool isTeamCode(std::string_view code);

// The team mark of a traded player's season row: TOT, 2TM, 3TM ...
bool isMultiTeamMark(std::string_view team);

// True when a spreadsheet saved the name in a code page that could not hold some of its letters
// and wrote '?' for each ("Joki?" for Jokić).
bool hasLostLetters(std::string_view name);

}  // namespace quorvane
