// SPDX-License-Identifier: MIT
#include "gui/widgets/ElidedLabel.h"

#include <QResizeEvent>

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

void ElidedLabel::elide() {
    // A label never shown has no width of its own yet: it holds the whole text until it is.
    const QString shown =
        isVisible()
            ? fontMetrics().elidedText(m_full, Qt::ElideRight, std::max(0, width() - 2 * margin()))
            : m_full;
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
