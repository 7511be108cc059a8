// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// ASCII letters only: slots, positions, headings, symbols and keys are ASCII, and a name's
// letters beyond it are compared byte for byte.

// The text with its ASCII letters in capitals, for comparisons that ignore case.
std::string upperText(std::string_view text);
// The same in small letters.
std::string lowerText(std::string_view text);
// Whether the texts are the same but for the case of their ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quorvane
