// SPDX-License-Identifier: MIT
#pragma once

#include <QTableView>

#include <optional>
#include <string>
#include <vector>

#include "vocabulary/GridTable.h"

namespace quorvane {
struct RosterGrid;
}

namespace quorvane::gui {

class GridTableModel;
class RosterRowHeaderModel;

// A read-only grid of the draft-room dialogs: shows a core table with its hidden columns hidden
// and, for a roster, the slot of each row in the row header.
class RoomGridView final : public QTableView {
    Q_OBJECT
  public:
    explicit RoomGridView(QWidget* parent = nullptr);

    void showTable(GridTable table);
    void showRoster(const RosterGrid& roster);

    const GridTableModel& tableModel() const { return *m_model; }
    // The cells of a row, or nullptr when there is no such row.
    const std::vector<std::string>* rowAt(int row) const;
    // The whole number in `column` of a row; nullopt for a blank or missing cell.
    std::optional<int> idAt(int row, int column) const;

  private:
    void applyTable(GridTable table, std::vector<std::string> rowHeaders);

    GridTableModel* m_model = nullptr;
    RosterRowHeaderModel* m_headers = nullptr;
};

}  // namespace quorvane::gui
