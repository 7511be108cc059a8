// SPDX-License-Identifier: MIT
#include "gui/widgets/BarChartView.h"
#include "gui/widgets/SaveChosenFile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QPixmap>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <utility>

namespace quorvane::gui {

namespace {

constexpr std::size_t kUprightLabels = 4;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// From the lowest bar (or 0) to the highest bar or stack, with a little room above and below.
std::pair<double, double> axisRange(const ChartData& figures) {
    double bottom = 0.0;
    double top = 0.0;
    for (std::size_t label = 0; label < figures.labels.size(); ++label) {
        double stack = 0.0;
        for (const ChartSeries& series : figures.series) {
            const double value = label < series.values.size() ? series.values[label] : 0.0;
            stack = figures.stacked ? stack + value : std::max(stack, value);
            bottom = std::min(bottom, value);
        }
        top = std::max(top, stack);
    }
    return {bottom * 1.08, top > 0.0 ? top * 1.08 : 1.0};
}

}  // namespace

BarChartView::BarChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(160, 140);
    chart()->legend()->setAlignment(Qt::AlignBottom);
}

void BarChartView::showChart(const ChartData& figures) {
    m_data = figures;
    auto* chart = new QChart;
    chart->setTitle(text(figures.title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setVisible(figures.series.size() > 1);
    QAbstractBarSeries* series = figures.stacked
                                     ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    for (const ChartSeries& values : figures.series) {
        auto* set = new QBarSet(text(values.name));
        for (const double value : values.values) {
            set->append(value);
        }
        // The user's team: its bars are "selected", which Qt draws in the selection colour.
        if (figures.highlighted && *figures.highlighted < values.values.size()) {
            set->setSelectedColor(&values == &figures.series.front() || !figures.stacked
                                      ? QColor(kHighlightColour)
                                      : QColor(kHighlightColour).lighter(160));
            set->selectBar(static_cast<int>(*figures.highlighted));
        }
        series->append(set);
    }
    chart->addSeries(series);

    auto* labels = new QBarCategoryAxis;
    for (const std::string& label : figures.labels) {
        labels->append(text(label));
    }
    // Team names and category symbols stay whole when upright on end, even in a narrow chart;
    // slanted ones would reach past the plot at its edges and be left out.
    labels->setLabelsAngle(figures.labels.size() > kUprightLabels ? -90 : 0);
    labels->setTruncateLabels(false);
    chart->addAxis(labels, Qt::AlignBottom);
    series->attachAxis(labels);
    auto* values = new QValueAxis;
    values->setTitleText(text(figures.valueAxisTitle));
    values->setLabelFormat(QStringLiteral("%g"));
    const auto [bottom, top] = axisRange(figures);
    values->setRange(bottom, top);
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    // setChart deletes the chart shown before.
    setChart(chart);
}

QByteArray BarChartView::pngPicture() {
    return pngBytes(grab());
}

}  // namespace quorvane::gui
