// SPDX-License-Identifier: MIT
#include "gui/widgets/PuntPlanBars.h"

#include <QPainter>

#include <algorithm>

namespace quorvane::gui {

namespace {

constexpr int kRowHeight = 16;
constexpr int kLabelWidth = 44;
constexpr int kMargin = 2;
const QColor kKeptColour(90, 150, 90);
const QColor kGivenUpColour(200, 110, 110);

}  // namespace

PuntPlanBars::PuntPlanBars(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PuntPlanBars::showBars(std::vector<PuntBar> bars) {
    m_bars = std::move(bars);
    updateGeometry();
    update();
}

QSize PuntPlanBars::sizeHint() const {
    return {kLabelWidth + 160, static_cast<int>(m_bars.size()) * kRowHeight + 2 * kMargin};
}

QSize PuntPlanBars::minimumSizeHint() const {
    return {kLabelWidth + 60, static_cast<int>(m_bars.size()) * kRowHeight + 2 * kMargin};
}

void PuntPlanBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    double widest = 0.0;
    for (const PuntBar& bar : m_bars) {
        widest = std::max({widest, bar.weight, bar.neutral});
    }
    if (!(widest > 0.0)) {
        return;
    }
    const int room = std::max(1, width() - kLabelWidth - 2 * kMargin);
    const double scale = room / (widest * 1.1);
    const QColor text = palette().color(QPalette::WindowText);
    int top = kMargin;
    for (const PuntBar& bar : m_bars) {
        const QRect label(kMargin, top, kLabelWidth - 4, kRowHeight);
        painter.setPen(text);
        painter.drawText(label, Qt::AlignVCenter | Qt::AlignRight,
                         QString::fromStdString(bar.symbol));
        const bool givenUp = bar.givenUp();
        const int length = static_cast<int>(bar.weight * scale + 0.5);
        painter.fillRect(kLabelWidth, top + 3, length, kRowHeight - 6,
                         givenUp ? kGivenUpColour : kKeptColour);
        const int neutral = kLabelWidth + static_cast<int>(bar.neutral * scale + 0.5);
        painter.setPen(QPen(text, 2));
        painter.drawLine(neutral, top + 1, neutral, top + kRowHeight - 1);
        top += kRowHeight;
    }
}

}  // namespace quorvane::gui
