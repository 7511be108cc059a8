// SPDX-License-Identifier: MIT
#include "vocabulary/GridTable.h"

#include <charconv>

namespace quorvane {

int GridTable::columnIndex(const std::string& heading) const {
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (headings[i] == heading) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int playerIdOfCells(const std::vector<std::string>& cells) {
    int id = 0;
    if (!cells.empty()) {
        std::from_chars(cells.front().data(), cells.front().data() + cells.front().size(), id);
    }
    return id;
}

}  // namespace quorvane
