// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// What a column of a projection table holds.
enum class TableField {
    Ignore,
    Name,  // "First Last" or "Last, First"
    FirstName,
    LastName,
    Team,
    Position,
    Games,
    Minutes,
    Points,
    FieldGoalsMade,
    FieldGoalsAttempted,
    FieldGoalPercentage,
    FreeThrowsMade,
    FreeThrowsAttempted,
    FreeThrowPercentage,
    ThreesMade,
    ThreesAttempted,
    ThreePercentage,
    OffensiveRebounds,
    DefensiveRebounds,
    Rebounds,
    Assists,
    Steals,
    Blocks,
    Turnovers,
    DoubleDoubles,
    TripleDoubles,
    Adp,
    Aav,
};

// Whether a heading says its figures are per game ("p/g", "PPG") or neither.
enum class FigureBasis { Either, PerGame };

struct FieldOfHeading {
    TableField field = TableField::Ignore;
    FigureBasis basis = FigureBasis::Either;
};

// The name a field is printed and chosen by ("games", "fgpct", "reb", "ignore").
std::string_view tableFieldName(TableField field);
// The field of a printed name (any case), or nullopt.
std::optional<TableField> tableFieldOfName(std::string_view name);
// Every field a column can be mapped to, "ignore" first.
std::vector<TableField> allTableFields();

// A heading as it is compared: lower case, "%" read as "pct", "/g" and "per game" as "pg",
// every blank and other punctuation dropped ("FG%" -> "fgpct", "p/g" -> "ppg").
std::string normaliseHeading(std::string_view heading);

// The field a heading names through the alias table, or nullopt for a heading it does not know.
std::optional<FieldOfHeading> fieldOfHeading(std::string_view heading);

}  // namespace quorvane
