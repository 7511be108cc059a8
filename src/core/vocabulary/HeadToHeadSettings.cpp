// SPDX-License-Identifier: MIT
#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

double varianceRatioOf(const HeadToHeadSettings& headToHead, int categoryid) {
    for (const VarianceRatio& own : headToHead.varianceRatios) {
        if (own.categoryid == categoryid) {
            return own.ratio;
        }
    }
    return defaultVarianceRatio(categoryid);
}

}  // namespace quorvane
