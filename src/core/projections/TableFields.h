// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
inline constexpr std::size_t kTableFieldCount = static_cast<std::size_t>(TableField::Aav) + 1;

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

// Every heading the alias table knows, with the field's own names, and the field of each.
std::vector<std::pair<std::string_view, TableField>> headingAliases();

// The field a heading names through the alias table, or nullopt for a heading it does not know.
std::optional<FieldOfHeading> fieldOfHeading(std::string_view heading);

// The field a heading names by its words, for headings outside the alias table: offensive / off
// / o with reb(ound)s, 3 / three with pointers / pt and made / m, free throws with attempted /
// a, "per game" or "avg" for the basis ... Every word must mean something: "Team Rebounds Rank"
// names nothing.
std::optional<FieldOfHeading> fieldOfHeadingWords(std::string_view heading);

// The alias table first, then the words.
std::optional<FieldOfHeading> recogniseHeading(std::string_view heading);

// The field whose name or alias is nearest to the heading by edit distance, to tell the user
// what an unused column looked like.
TableField closestField(std::string_view heading);

}  // namespace quorvane
