// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// One row of the user's category targets panel.
struct CategoryTarget {
    int categoryid = 0;
    double target = 0.0;
    double actual = 0.0;
    std::string symbol;  // the row's caption, named when its target is refused
};

}  // namespace quorvane
