// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A CSV field: quoted (RFC 4180) when it holds a comma, a double quote or a line break, as it
// is otherwise.
std::string csvField(std::string_view text);

// Text meant for a spreadsheet: one that begins with "=", "+", "-", "@", a tab or a carriage
// return would be read as a formula (or be trimmed into one), so it gets a leading apostrophe,
// shown as text. A number ("-3.5", "+2", "-1,234", "-12%") is no formula and stays as it is.
std::string spreadsheetText(std::string_view text);

// The fields, each as spreadsheet text, joined by commas, without a line end. Every CSV the
// program prints or writes is made of these lines.
std::string csvLine(const std::vector<std::string>& fields);

// A line of a file the program writes (exports, the board): csvLine of the fields with every
// control and direction character replaced (withoutControlCharacters), so that a name stored
// before names were checked cannot break a line or reach whatever opens the file.
std::string csvFileLine(const std::vector<std::string>& fields);

}  // namespace quorvane
