// SPDX-License-Identifier: MIT
#include "projections/TableCells.h"

#include <algorithm>
#include <cctype>

#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::size_t kPG = 0;
constexpr std::size_t kSG = 1;
constexpr std::size_t kPF = 2;
constexpr std::size_t kSF = 3;
constexpr std::size_t kC = 4;

// A fraction of one, from any of the ways a percentage is written.
double asFraction(double value, bool percentSign) {
    return percentSign || value > 1.0 ? value / 100.0 : value;
}

std::optional<double> figure(std::string_view text, NumberConvention numbers, FieldRange range) {
    const NumberReading reading = readCheckedNumber(text, numbers, range);
    return reading.ok() ? std::optional<double>(reading.value) : std::nullopt;
}

// "9.5/18.3" or "9.5-18.3".
bool readMadeAttempted(std::string_view text, NumberConvention numbers, PercentageCell& cell) {
    const std::size_t slash = text.find_first_of("/-", 1);
    if (slash == std::string_view::npos) {
        return false;
    }
    const auto made = figure(text.substr(0, slash), numbers, kCountingRange);
    const auto attempted = figure(text.substr(slash + 1), numbers, kCountingRange);
    if (!made || !attempted || *attempted < *made) {
        return false;
    }
    cell.made = made;
    cell.attempted = attempted;
    return true;
}

}  // namespace

std::optional<PercentageCell> readPercentageCell(std::string_view cell, NumberConvention numbers) {
    std::string text = trim(cell);
    PercentageCell result;
    const std::size_t open = text.find('(');
    if (open != std::string::npos) {
        const std::size_t close = text.find(')', open);
        if (close == std::string::npos || !trim(text.substr(close + 1)).empty() ||
            !readMadeAttempted(trim(text.substr(open + 1, close - open - 1)), numbers, result)) {
            return std::nullopt;
        }
        text = trim(text.substr(0, open));
    } else if (readMadeAttempted(text, numbers, result)) {
        text.clear();
    }
    if (!text.empty()) {
        const bool percentSign = text.ends_with('%');
        if (percentSign) {
            text.pop_back();
        }
        const auto value = figure(text, numbers, {0.0, 100.0});
        if (!value) {
            return std::nullopt;
        }
        result.fraction = asFraction(*value, percentSign);
    }
    if (!result.fraction && result.made && result.attempted && *result.attempted > 0.0) {
        result.fraction = *result.made / *result.attempted;
    }
    return result;
}

std::optional<PositionCell> readPositionCell(std::string_view cell) {
    PositionCell result;
    // Sets the flags of one position and gives its general position, or empty text.
    const auto mark = [&result](std::string_view position) -> std::string {
        if (position == "PG" || position == "SG" || position == "G") {
            result.flags[kPG] |= position != "SG" ? 1 : 0;
            result.flags[kSG] |= position != "PG" ? 1 : 0;
            return "G";
        }
        if (position == "PF" || position == "SF" || position == "F") {
            result.flags[kPF] |= position != "SF" ? 1 : 0;
            result.flags[kSF] |= position != "PF" ? 1 : 0;
            return "F";
        }
        if (position == "C") {
            result.flags[kC] = 1;
            return "C";
        }
        return {};
    };
    bool valid = true;
    std::string token;
    const auto take = [&] {
        if (!token.empty() && token != "UTIL" && token != "UT") {
            std::string general = mark(token);
            // "GF" and "FC" are two groups written without a separator.
            if (general.empty() && (token == "GF" || token == "FC")) {
                general = mark(token.substr(0, 1));
                mark(token.substr(1));
            }
            valid = valid && !general.empty();
            if (result.pos.empty()) {
                result.pos = general;
                result.first = token;
            }
        }
        token.clear();
    };
    for (const char c : upperText(cell)) {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            token += c;
        } else {
            take();
        }
    }
    take();
    if (!valid || result.pos.empty()) {
        return std::nullopt;
    }
    return result;
}

}  // namespace quorvane
