// SPDX-License-Identifier: MIT
#include "cli/CheckedOption.h"

#include <fmt/format.h>

namespace quorvane::cli {

std::optional<double> checkedOption(std::string_view option, std::string_view text,
                                    FieldRange range, bool whole, std::string& problem) {
    const NumberReading reading = whole ? readCheckedWholeNumber(text, kDecimalPoint, range)
                                        : readCheckedNumber(text, kDecimalPoint, range);
    if (reading.ok()) {
        return reading.value;
    }
    // Counts and seeds run into the millions, which the general number text would write with an
    // exponent.
    const std::string why = whole && reading.status == NumberStatus::OutOfRange
                                ? fmt::format("is outside {:.0f} to {:.0f}", range.low, range.high)
                                : numberProblemText(reading, range);
    problem = fmt::format("{}: {} {}", option, text, why);
    return std::nullopt;
}

}  // namespace quorvane::cli
