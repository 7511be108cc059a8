// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/SqlValue.h"

namespace quorvane {

// A complete client-side copy of one statement's result, read forward like a cursor
// (eof / moveNext) with columns found by the names the select gives them, compared without
// regard to case. Grids can also walk it by index.
class Recordset {
  public:
    Recordset() = default;
    Recordset(std::vector<std::string> columnNames, std::vector<std::vector<SqlValue>> rows);

    bool eof() const { return m_position >= m_rows.size(); }
    void moveNext() { ++m_position; }

    // The current row's value of a column; a name the select does not have reads as NULL.
    const SqlValue& field(std::string_view name) const;
    std::int64_t getInt(std::string_view name) const { return toInt(field(name)); }
    double getDouble(std::string_view name) const { return toDouble(field(name)); }
    std::string getText(std::string_view name) const { return toText(field(name)); }
    bool isNull(std::string_view name) const { return quorvane::isNull(field(name)); }

    std::size_t rowCount() const { return m_rows.size(); }
    const std::vector<std::string>& columnNames() const { return m_columnNames; }
    const std::vector<std::vector<SqlValue>>& rows() const { return m_rows; }
    int columnIndex(std::string_view name) const;  // -1 when absent

  private:
    std::vector<std::string> m_columnNames;
    std::vector<std::vector<SqlValue>> m_rows;
    std::size_t m_position = 0;
};

}  // namespace quorvane
