// SPDX-License-Identifier: MIT
#pragma once

#include <QChartView>
#include <QFont>
#include <QString>

class QBarCategoryAxis;
class QValueAxis;
class QGraphicsTextItem;

#include "room/ChartData.h"

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
    // True when the bars lie across (a chart taller than wide with more than four of them).
    bool barsAcross() const { return m_across; }
    // The chart as drawn, at the widget's size, as the bytes of a PNG file.
    QByteArray pngPicture();

    // Wide enough for a label read flat beside a plot (a long one cut to its share), and for the
    // value axis' title whole beneath it: narrower, the chart drops its team names and cuts its
    // titles.
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The title on the chart's own line when it fits, else broken onto lines above the chart.
    void placeTitle();
    // Leaves out every other label (or more) when the plot is too narrow for all of them side by
    // side; a bar's tooltip still names it.
    void thinLabels();
    void fitAxisTitle();
    bool wantsBarsAcross() const;
    // The figure drawn at a place of the axis.
    std::size_t dataIndex(qsizetype shown) const;

    ChartData m_data;
    QGraphicsTextItem* m_title;
    QMargins m_margins;
    QBarCategoryAxis* m_labels = nullptr;
    QValueAxis* m_values = nullptr;
    QFont m_valueTitleFont;
    int m_labelStep = 0;
    int m_labelLength = 0;  // in pixels, past which a label is cut
    // Bars lie across, labels on the left.
    bool m_across = false;
};

}  // namespace quorvane::gui
