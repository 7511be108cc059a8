// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

struct SgpDenominator {
    int categoryid = 0;
    double sgp_denominator = 0.0;

    bool operator==(const SgpDenominator&) const = default;
};

}  // namespace quorvane
