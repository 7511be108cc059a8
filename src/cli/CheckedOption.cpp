// SPDX-License-Identifier: MIT
#include "cli/CheckedOption.h"

namespace quorvane::cli {

std::optional<double> checkedOption(std::string_view option, std::string_view text,
                                    FieldRange range, bool whole, std::string& problem) {
    const NumberReading reading = whole ? readCheckedWholeNumber(text, kDecimalPoint, range)
                                        : readCheckedNumber(text, kDecimalPoint, range);
    if (reading.ok()) {
        return reading.value;
    }
    problem = std::string(option) + ": " + std::string(text) + " " +
              numberProblemText(reading, range);
    return std::nullopt;
}

}  // namespace quorvane::cli
