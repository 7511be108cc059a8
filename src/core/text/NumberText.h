// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Shortest text that reads back as the same double ("0.5", "200", "-0.45").
std::string numberText(double value);

// The whole text, blanks around it allowed, read as a decimal number; nullopt when it is not
// one. Used wherever a user's or a file's text must be "numeric".
std::optional<double> parseNumber(std::string_view text);

// The text, when it is a whole number within [low, high], as an int.
std::optional<int> parseWholeNumber(std::string_view text, long long low, long long high);

// Text without the blanks at its end (leading blanks stay).
std::string trimRight(std::string_view text);
// The text without the blanks and tabs around it.
std::string_view trimmedView(std::string_view text);
std::string trim(std::string_view text);

// The value rounded half away from zero at `decimals` decimals, as the format patterns round:
// the decimal text with six more decimals decides, not the binary value.
double roundHalfAway(double value, int decimals);

// The figure to two decimals as "%.2f" prints it: the binary value correctly rounded (2.675 is
// "2.67"), "-0.00" for a small negative, no minus sign on zero. Empty when there is no figure.
std::string twoDecimalsOrEmpty(const std::optional<double>& figure);

// Formats like the old engine's format patterns: "0.00", "0", "#.000", ".000", "0.##".
// Rounds half away from zero on the decimal value, as those patterns did.
std::string formatPattern(double value, std::string_view pattern);

}  // namespace quorvane
