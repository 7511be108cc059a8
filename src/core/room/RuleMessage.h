// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvane {

// What a room rule has the front end show or ask, word for word: the window's title and its
// text.
struct RuleMessage {
    std::string_view title;
    std::string_view text;
    bool operator==(const RuleMessage&) const = default;
};

}  // namespace quorvane
