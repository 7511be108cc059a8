// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Statistic columns of a projection line, fields 8 to 23, in file order.
inline constexpr std::size_t kProjectionStatCount = 16;
inline constexpr std::array<const char*, kProjectionStatCount> kProjectionStatColumns = {
    "games", "minutes", "fta",     "ftm",    "fga",    "fgm",       "pt3a",         "pt3m",
    "oreb",  "dreb",    "assists", "steals", "blocks", "turnovers", "doubledouble", "tripledouble"};

// Position flag columns, fields 27 to 31.
inline constexpr std::size_t kProjectionFlagCount = 5;
inline constexpr std::array<const char*, kProjectionFlagCount> kProjectionFlagColumns = {
    "PG", "SG", "PF", "SF", "C"};

// One player-season of a projection file.
struct ProjectionRow {
    int playerid = 0;
    std::string stat_indicator = "P";
    int yearofprojection = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;
    std::string team;
    std::optional<std::string> dob;  // YYYY-MM-DD, or none when the field is not a date
    std::array<int, kProjectionStatCount> stats{};
    std::string revisiondate;  // YYYY-MM-DD when the field is a date, else its text
    std::array<int, kProjectionFlagCount> flags{};
};

// A line that could not be read: the field (numbered from 0, or -1 for the line as a whole)
// and what is wrong with it.
struct ProjectionLineFault {
    int field = -1;
    std::string description;
};

struct ParsedProjectionLine {
    std::optional<ProjectionRow> row;
    ProjectionLineFault fault;  // meaningful when row is empty
};

inline constexpr std::size_t kProjectionFieldCount = 32;
inline constexpr int kLastProjectionPlayerId = 19999;  // custom players start at 20000

// Reads one data line of a projection file. Every numeric field must be a whole number in
// range; a line is refused rather than half-read, so that a shifted or cut line cannot land.
// Fields after the 32nd are allowed when they are empty.
ParsedProjectionLine parseProjectionLine(std::string_view line);

// A date as YYYY-MM-DD when the text is a calendar date written YYYY-MM-DD, YYYY/MM/DD or
// M/D/YYYY.
std::optional<std::string> readDate(std::string_view text);

// True when the first line of a file or text marks it as projections ("playerid," in any case).
bool isProjectionHeader(std::string_view firstLine);

}  // namespace quorvane
