// SPDX-License-Identifier: MIT
#include "vocabulary/GridTable.h"

namespace quorvane {

int GridTable::columnIndex(const std::string& heading) const {
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (headings[i] == heading) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace quorvane
