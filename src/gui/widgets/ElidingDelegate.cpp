// SPDX-License-Identifier: MIT
#include "gui/widgets/ElidingDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace quorvane::gui {

namespace {

// Room the style leaves around a cell's text.
constexpr int kTextMargins = 8;

bool looksLikeName(const QString& text) {
    for (const QChar c : text) {
        if (!c.isLetter() && c != QLatin1Char(' ') && c != QLatin1Char(',') &&
            c != QLatin1Char('.') && c != QLatin1Char('-') && c != QLatin1Char('\'')) {
            return false;
        }
    }
    return text.contains(QLatin1Char(' '));
}

}  // namespace

QString ElidingDelegate::initialledName(const QString& text) {
    if (!looksLikeName(text)) {
        return {};
    }
    const qsizetype comma = text.indexOf(QStringLiteral(", "));
    if (comma > 0 && comma + 2 < text.size()) {
        return text.left(comma + 2) + text.at(comma + 2) + QLatin1Char('.');
    }
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (comma < 0 && space > 0 && space + 1 < text.size()) {
        return text.at(0) + QStringLiteral(". ") + text.mid(space + 1);
    }
    return {};
}

QString ElidingDelegate::lastNameOf(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma > 0) {
        return text.left(comma);
    }
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    return space > 0 ? text.mid(space + 1) : text;
}

namespace {

// The lines of a cell, each fitted to `room`; true in `cutAtEnd` when a name must lose its end.
QStringList fittedLines(const QString& text, const QFontMetrics& metrics, int room, QChar breaks,
                        bool& cutAtEnd) {
    QStringList lines = text.split(breaks);
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= room) {
            continue;
        }
        if (const QString shorter = ElidingDelegate::initialledName(line); !shorter.isEmpty()) {
            line = shorter;
            // Cut in the middle, "D. Mitchell" and "D. Robinson" both became "D. …": the last
            // name alone, cut at its end, still tells players apart.
            if (metrics.horizontalAdvance(line) > room) {
                line = ElidingDelegate::lastNameOf(line);
                cutAtEnd = true;
            }
        }
    }
    return lines;
}

}  // namespace

QString ElidingDelegate::shownText(const QString& text, const QFontMetrics& metrics, int width,
                                   Qt::TextElideMode elide, QChar breaks) {
    const int room = width - kTextMargins;
    bool cutAtEnd = false;
    QStringList lines = fittedLines(text, metrics, room, breaks, cutAtEnd);
    for (QString& line : lines) {
        line = metrics.elidedText(line, cutAtEnd ? Qt::ElideRight : elide, room);
    }
    return lines.join(breaks);
}

void ElidingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    // Each line on its own: a board cell holds the name over the position and value. The style
    // option holds a cell's line breaks as line separators.
    bool cutAtEnd = false;
    cell.text = fittedLines(cell.text, cell.fontMetrics, cell.rect.width() - kTextMargins,
                            QChar::LineSeparator, cutAtEnd)
                    .join(QChar::LineSeparator);
    if (cutAtEnd) {
        cell.textElideMode = Qt::ElideRight;
    }
    const QWidget* widget = cell.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
}

bool ElidingDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    // A tooltip the model gives for the cell says more than its text.
    if (index.data(Qt::ToolTipRole).isValid()) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const int room = option.rect.width() - kTextMargins;
    bool cut = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        cut = cut || cell.fontMetrics.horizontalAdvance(line) > room;
    }
    if (!text.isEmpty() && cut) {
        QToolTip::showText(event->globalPos(), text, view);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace quorvane::gui
