// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

namespace quorvane::gui {

// Draws cells as usual, but a name too long for its column first gives up its first name for
// an initial ("Westbrook, R.", "R. Westbrook"), then the initial too, its end cut ("Westbr…");
// other text the view elides as it is told. The whole text is the cell's tooltip whenever it
// does not fit.
class ElidingDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The name with its first name as an initial; empty for text that is not a person's name.
    static QString initialledName(const QString& text);
    // The last name of a name as a list writes it ("Westbrook, R." or "R. Westbrook").
    static QString lastNameOf(const QString& text);
    // A cell's text as it is drawn in `width` pixels, with the lines of a board cell (`breaks`
    // between them) fitted one by one and elided as `elide` says unless a name is cut at its end.
    static QString shownText(const QString& text, const QFontMetrics& metrics, int width,
                             Qt::TextElideMode elide, QChar breaks = QLatin1Char('\n'));

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace quorvane::gui
