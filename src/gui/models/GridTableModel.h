// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>

#include <functional>

#include "vocabulary/GridTable.h"

namespace quorvane::gui {

// Shows any grid core builds: its headings, its text cells and its row and cell colours. Every grid of
// the program goes through this one model.
class GridTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridTableModel(QObject* parent = nullptr);

    // A table of other columns resets the model; new rows under the same headings are inserted,
    // removed and changed in place.
    void setTable(GridTable table);
    // Takes out the rows whose cells `gone` picks (a player taken while the grid waits for its
    // refill).
    void removeRowsWhere(const std::function<bool(const std::vector<std::string>&)>& gone);
    const GridTable& table() const { return m_table; }
    // The cells of a row, or nullptr for a row that does not exist.
    const std::vector<std::string>* rowAt(int row) const;
    // Sets one cell's text and colours a row without rebuilding the grid (flag pop-up, notes).
    void setCellText(int row, int column, const std::string& text);
    void setRowColour(int row, std::optional<Rgb> colour);
    // Columns whose cells the user may edit in place.
    void setEditableColumns(std::vector<int> columns);
    // The rows' headings are the cells of this column (-1: their numbers), so that a view may
    // hide the column and keep its names in sight however far it scrolls across.
    void setRowHeadingColumn(int column);
    // Decimals a column of numbers shows, -1 for a column of text. Numbers are right-aligned
    // and padded to the most decimals any cell of their column has.
    int columnDecimals(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    // A cell the user edited in place: row, column and the new text.
    void cellEdited(int row, int column, const QString& text);

  private:
    void measureColumns();
    std::optional<Rgb> backgroundOf(std::size_t row, std::size_t column) const;

    GridTable m_table;
    std::vector<int> m_editableColumns;
    int m_rowHeadingColumn = -1;
    std::vector<int> m_decimals;
};

}  // namespace quorvane::gui
