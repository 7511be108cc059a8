// SPDX-License-Identifier: MIT
#include "valuation/TargetRange.h"

#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {

FieldRange targetRangeOf(int categoryid) {
    const CategoryDefinition* category = findCategory(categoryid);
    if (category != nullptr && category->format == CategoryFormat::ThreeDecimals) {
        return {0.0, 1.0};
    }
    if (category != nullptr && category->ratio) {
        return {0.0, 100.0};
    }
    return {0.0, 1000000.0};
}

}  // namespace quorvane
