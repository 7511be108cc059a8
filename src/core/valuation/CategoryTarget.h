// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

// One row of the user's category targets panel.
struct CategoryTarget {
    int categoryid = 0;
    double target = 0.0;
    double actual = 0.0;
};

}  // namespace quorvane
