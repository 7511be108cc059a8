// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include <fmt/format.h>

#include "store/ProjectionRow.h"
#include "text/CheckedNumber.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"

namespace quorvane {

namespace {

// Names of the 32 fields as the header of a projection file gives them.
constexpr std::array<const char*, kProjectionFieldCount> kFieldNames = {"playerid",
                                                                        "statindicator",
                                                                        "yearofprojection",
                                                                        "firstname",
                                                                        "lastname",
                                                                        "pos",
                                                                        "team",
                                                                        "dob",
                                                                        "games",
                                                                        "minutes",
                                                                        "fta",
                                                                        "ftm",
                                                                        "fga",
                                                                        "fgm",
                                                                        "pt3a",
                                                                        "pt3m",
                                                                        "oreb",
                                                                        "dreb",
                                                                        "assists",
                                                                        "steals",
                                                                        "blocks",
                                                                        "turnovers",
                                                                        "doubledouble",
                                                                        "tripledouble",
                                                                        "revisiondate",
                                                                        "unused25",
                                                                        "unused26",
                                                                        "PG",
                                                                        "SG",
                                                                        "PF",
                                                                        "SF",
                                                                        "C"};

constexpr int kFirstStatField = 8;
constexpr int kRevisionField = 24;
constexpr int kFirstFlagField = 27;
// Position flags were stored in 16-bit ranges by the old data files.
constexpr long long kLargestFlag = 32767;
constexpr long long kFirstYear = 1900;

// The names, position and team, with the longest each may be.
constexpr std::array<std::pair<int, std::size_t>, 4> kTextFields = {{{3, kMaxNameCharacters},
                                                                     {4, kMaxNameCharacters},
                                                                     {5, kMaxPositionCharacters},
                                                                     {6, kMaxTeamCodeCharacters}}};
// A revision that is no date is stored as its text.
constexpr std::size_t kMaxRevisionCharacters = 40;

// Made and attempted statistics (indices of ProjectionRow::stats): free throws, field goals,
// threes.
constexpr std::array<std::pair<std::size_t, std::size_t>, 3> kShotFields = {
    {{3, 2}, {5, 4}, {7, 6}}};
constexpr long long kLastYear = 2999;

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    fields.reserve(kProjectionFieldCount);
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

// Digits only (an optional sign is not a count); blanks around them are tolerated.
std::optional<long long> readWhole(std::string_view text) {
    text = trimmedView(text);
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

ParsedProjectionLine fault(int field, std::string description) {
    return {std::nullopt, {field, std::move(description)}};
}

std::string fieldLabel(int field) {
    return fmt::format("field {} ({})", field, kFieldNames[field]);
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<std::string> calendarDate(std::optional<long long> year,
                                        std::optional<long long> month,
                                        std::optional<long long> day) {
    if (!year || !month || !day || *year < 1000 || *year > 9999 || *month < 1 || *month > 12 ||
        *day < 1 || *day > daysInMonth(static_cast<int>(*year), static_cast<int>(*month))) {
        return std::nullopt;
    }
    return fmt::format("{:04}-{:02}-{:02}", *year, *month, *day);
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

}  // namespace

std::optional<std::string> readDate(std::string_view text) {
    text = trimmedView(text);
    for (const char separator : {'-', '/'}) {
        if (const auto parts = splitAt(text, separator);
            parts.size() == 3 && parts[0].size() == 4) {
            return calendarDate(readWhole(parts[0]), readWhole(parts[1]), readWhole(parts[2]));
        }
    }
    if (const auto parts = splitAt(text, '/'); parts.size() == 3 && parts[2].size() == 4) {
        return calendarDate(readWhole(parts[2]), readWhole(parts[0]), readWhole(parts[1]));
    }
    return std::nullopt;
}

bool isProjectionHeader(std::string_view firstLine) {
    constexpr std::string_view kHeader = "playerid,";
    if (firstLine.size() < kHeader.size()) {
        return false;
    }
    return std::equal(kHeader.begin(), kHeader.end(), firstLine.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

ParsedProjectionLine parseProjectionLine(std::string_view line) {
    const auto fields = splitFields(line);
    if (fields.size() < kProjectionFieldCount) {
        return fault(-1, fmt::format("it has {} fields instead of {}", fields.size(),
                                     kProjectionFieldCount));
    }
    // Spreadsheets end lines with empty fields; text out there means a comma inside a field has
    // shifted every field after it.
    for (std::size_t extra = kProjectionFieldCount; extra < fields.size(); ++extra) {
        if (!trimmedView(fields[extra]).empty()) {
            const int field = static_cast<int>(extra);
            return fault(field, fmt::format("field {} holds \"{}\" after the last of the {} "
                                            "fields (a comma inside a field shifts the others)",
                                            field, fields[extra], kProjectionFieldCount));
        }
    }
    const auto whole = [&](int field, long long low, long long high) -> std::optional<int> {
        const auto value = readWhole(fields[field]);
        if (!value || *value < low || *value > high) {
            return std::nullopt;
        }
        return static_cast<int>(*value);
    };

    ProjectionRow row;
    const auto id = whole(0, 1, kLastProjectionPlayerId);
    if (!id) {
        return fault(0, fmt::format("{} is not a player id from 1 to {}", fieldLabel(0),
                                    kLastProjectionPlayerId));
    }
    row.playerid = *id;
    const auto year = whole(2, kFirstYear, kLastYear);
    if (!year) {
        return fault(
            2, fmt::format("{} is not a year from {} to {}", fieldLabel(2), kFirstYear, kLastYear));
    }
    row.yearofprojection = *year;
    for (const auto& [field, longest] : kTextFields) {
        if (const auto problem = textProblem(fields[field], longest)) {
            return fault(field, fieldLabel(field) + " " + *problem);
        }
    }
    row.firstname = fields[3];
    row.lastname = fields[4];
    row.pos = fields[5];
    row.team = fields[6];
    row.dob = readDate(fields[7]);
    for (std::size_t i = 0; i < kProjectionStatCount; ++i) {
        const int field = kFirstStatField + static_cast<int>(i);
        // A season's plausible range: a figure beyond it is a broken line, not a great season.
        const FieldRange range = i == 0 ? kGamesRange : i == 1 ? kMinutesRange : kCountingRange;
        // The program's own file writes plain digits: no sign, exponent or separator.
        const NumberReading value =
            readWhole(fields[field]) ? readCheckedWholeNumber(fields[field], kDecimalPoint, range)
                                     : NumberReading{NumberStatus::NotANumber, 0.0};
        if (!value.ok()) {
            return fault(field,
                         fmt::format("{} is not a whole number from {} to {}", fieldLabel(field),
                                     numberText(range.low), numberText(range.high)));
        }
        row.stats[i] = static_cast<int>(value.value);
    }
    for (const auto& [made, attempted] : kShotFields) {
        if (row.stats[made] > row.stats[attempted]) {
            const int field = kFirstStatField + static_cast<int>(made);
            return fault(field,
                         fmt::format("{} is {}, more than the {} of {}", fieldLabel(field),
                                     row.stats[made], row.stats[attempted],
                                     fieldLabel(kFirstStatField + static_cast<int>(attempted))));
        }
    }
    if (const auto problem = textProblem(fields[kRevisionField], kMaxRevisionCharacters)) {
        return fault(kRevisionField, fieldLabel(kRevisionField) + " " + *problem);
    }
    row.revisiondate =
        readDate(fields[kRevisionField]).value_or(std::string(fields[kRevisionField]));
    for (std::size_t i = 0; i < kProjectionFlagCount; ++i) {
        const int field = kFirstFlagField + static_cast<int>(i);
        const auto value = whole(field, 0, kLargestFlag);
        if (!value) {
            return fault(field, fmt::format("{} is not a whole number from 0 to {}",
                                            fieldLabel(field), kLargestFlag));
        }
        row.flags[i] = *value;
    }
    return {std::move(row), {}};
}

}  // namespace quorvane
