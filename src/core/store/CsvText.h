// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A CSV field: quoted (RFC 4180) when it holds a comma, a double quote or a line break, as it
// is otherwise.
std::string csvField(std::string_view text);

// Text meant for a spreadsheet: one that begins with "=", "+", "-" or "@" would be read as a
// formula, so it gets a leading apostrophe (shown as text); any other text is kept as it is.
std::string spreadsheetText(std::string_view text);

// The fields joined by commas, without a line end.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace quorvane
