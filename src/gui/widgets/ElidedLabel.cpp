// SPDX-License-Identifier: MIT
#include "gui/widgets/ElidedLabel.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyle>

#include <algorithm>

namespace quorvane::gui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setFullText(const QString& text, const QString& details) {
    if (text == m_full && details == m_details) {
        return;
    }
    m_full = text;
    m_details = details;
    elide();
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, fontMetrics().height() + 2 * margin() + 4};
}

QSize ElidedLabel::sizeHint() const {
    return {fontMetrics().horizontalAdvance(m_full) + 2 * margin(), minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    elide();
}

void ElidedLabel::setLeastScale(qreal scale) {
    m_leastScale = std::clamp(scale, 0.5, 1.0);
    elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        elide();
    }
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(m_drawn);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
}

void ElidedLabel::elide() {
    const int room = std::max(0, width() - 2 * margin());
    m_drawn = font();
    // A label never shown has no width of its own yet: it holds the whole text until it is.
    QString shown = m_full;
    if (isVisible() && QFontMetrics(m_drawn).horizontalAdvance(m_full) > room) {
        const qreal size = m_drawn.pointSizeF();
        // Half a point at a time, as long as the text does not fit and the floor is not reached.
        for (qreal smaller = size - 0.5; smaller >= size * m_leastScale - 0.01 && size > 0;
             smaller -= 0.5) {
            m_drawn.setPointSizeF(smaller);
            if (QFontMetrics(m_drawn).horizontalAdvance(m_full) <= room) {
                break;
            }
        }
        shown = QFontMetrics(m_drawn).elidedText(m_full, Qt::ElideRight, room);
    }
    update();
    if (shown != text()) {
        setText(shown);
    }
    QString tip = shown == m_full ? QString() : m_full;
    if (!m_details.isEmpty()) {
        tip += (tip.isEmpty() ? QString() : QStringLiteral("\n\n")) + m_details;
    }
    setToolTip(tip);
}

}  // namespace quorvane::gui
