// SPDX-License-Identifier: MIT
#pragma once

#include <QChartView>
#include <QString>

#include "valuation/ChartData.h"

namespace quorvane::gui {

// Draws a core ChartData as a bar chart (grouped or stacked), the user's team in its own colour.
class BarChartView final : public QChartView {
    Q_OBJECT
  public:
    explicit BarChartView(QWidget* parent = nullptr);

    static constexpr QRgb kHighlightColour = 0xE07B00;

    void showChart(const ChartData& figures);
    // What is drawn now, for the export and for tests.
    const ChartData& chartData() const { return m_data; }
    // The chart as drawn, at the widget's size, as the bytes of a PNG file.
    QByteArray pngPicture();

  private:
    ChartData m_data;
};

}  // namespace quorvane::gui
