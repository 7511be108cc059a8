// SPDX-License-Identifier: MIT
#include "vocabulary/GridTable.h"

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
