// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace quorvane::gui {

// Draws cells as usual, but a name too long for its column first gives up its first name for
// an initial ("Westbrook, R.", "R. Westbrook") before the view elides it in the middle; the whole
// text is the cell's tooltip whenever it does not fit.
class ElidingDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The name with its first name as an initial; empty for text that is not a person's name.
    static QString initialledName(const QString& text);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace quorvane::gui
