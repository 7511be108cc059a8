// SPDX-License-Identifier: MIT
#include "app/GridTable.h"

#include <charconv>

#include "store/Recordset.h"

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

GridTable gridFromRecordset(const Recordset& records) {
    GridTable grid;
    grid.headings = records.columnNames();
    grid.rows.reserve(records.rowCount());
    for (const auto& row : records.rows()) {
        std::vector<std::string> cells;
        cells.reserve(row.size());
        for (const SqlValue& value : row) {
            cells.push_back(toText(value));
        }
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

}  // namespace quorvane
