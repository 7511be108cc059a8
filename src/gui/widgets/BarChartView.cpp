// SPDX-License-Identifier: MIT
#include "gui/widgets/BarChartView.h"
#include "gui/widgets/SaveChosenFile.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QPixmap>
#include <QStackedBarSeries>
#include <QTextDocument>
#include <QTextOption>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorvane::gui {

namespace {

constexpr std::size_t kUprightLabels = 4;
constexpr QSize kLeastSize{160, 140};
// The least a plot is wide beside its labels, and what the axes take beside labels and title:
// tick marks, the figures' own labels and the gaps between them.
constexpr int kLeastPlotWidth = 90;
constexpr int kAxisRoom = 48;
// The most of the chart's height an upright label, or of its width a flat one beside bars lying
// across, may take, in percent; and the least it is given however small the chart.
constexpr int kUprightLabelShare = 30;
constexpr int kFlatLabelShare = 45;
constexpr int kLeastLabelLength = 56;
// A chart shorter than this, in pixels, has its legend above the plot.
constexpr int kShortChart = 300;
// Where a title of several lines stands: the room the chart leaves at its sides and above.
constexpr qreal kTitleSide = 12.0;
constexpr int kTitleTop = 6;

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
    top = top > 0.0 ? top * 1.08 : 1.0;
    if (figures.valueCeiling) {
        top = std::min(top, *figures.valueCeiling);
    }
    return {bottom * 1.08, top};
}

}  // namespace

BarChartView::BarChartView(QWidget* parent)
    : QChartView(parent), m_title(new QGraphicsTextItem), m_margins(chart()->margins()) {
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setAlignment(Qt::AlignBottom);
    // Above the chart's background, which every new chart brings along.
    m_title->setZValue(1.0e6);
    m_title->hide();
    scene()->addItem(m_title);
}

void BarChartView::showChart(const ChartData& figures) {
    m_data = figures;
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setVisible(figures.series.size() > 1);
    // A title given before the chart is shown is laid out with it; one given later waits for the
    // event loop, which an export from the command line never reaches.
    chart->setTitle(text(figures.title));
    m_across = wantsBarsAcross();
    QAbstractBarSeries* series = nullptr;
    if (m_across) {
        series = figures.stacked ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                                 : static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries);
    } else {
        series = figures.stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                 : static_cast<QAbstractBarSeries*>(new QBarSeries);
    }
    for (const ChartSeries& values : figures.series) {
        auto* set = new QBarSet(text(values.name));
        connect(set, &QBarSet::hovered, this, [this, set](bool over, int index) {
            if (!over || index < 0 || static_cast<std::size_t>(index) >= m_data.labels.size()) {
                QToolTip::hideText();
                return;
            }
            QToolTip::showText(QCursor::pos(),
                               QStringLiteral("%1: %2 %3")
                                   .arg(text(m_data.labels[dataIndex(index)]), set->label(),
                                        QString::number(set->at(index))),
                               this);
        });
        for (std::size_t shown = 0; shown < values.values.size(); ++shown) {
            set->append(values.values[dataIndex(static_cast<qsizetype>(shown))]);
        }
        // The user's team: its bars are "selected", which Qt draws in the selection colour.
        if (figures.highlighted && *figures.highlighted < values.values.size()) {
            set->setSelectedColor(&values == &figures.series.front() || !figures.stacked
                                      ? QColor(kHighlightColour)
                                      : QColor(kHighlightColour).lighter(160));
            set->selectBar(
                static_cast<int>(dataIndex(static_cast<qsizetype>(*figures.highlighted))));
        }
        series->append(set);
    }
    chart->addSeries(series);

    auto* labels = new QBarCategoryAxis;
    for (std::size_t shown = 0; shown < figures.labels.size(); ++shown) {
        labels->append(text(figures.labels[dataIndex(static_cast<qsizetype>(shown))]));
    }
    m_labels = labels;
    m_labelStep = 1;
    m_labelLength = 0;
    m_values = nullptr;
    // Team names and category symbols stay whole when upright on end, even in a narrow chart;
    // slanted ones would reach past the plot at its edges and be left out. Bars lying across
    // read their labels flat.
    labels->setLabelsAngle(!m_across && figures.labels.size() > kUprightLabels ? -90 : 0);
    labels->setTruncateLabels(false);
    chart->addAxis(labels, m_across ? Qt::AlignLeft : Qt::AlignBottom);
    series->attachAxis(labels);
    auto* values = new QValueAxis;
    values->setTitleText(text(figures.valueAxisTitle));
    m_valueTitleFont = values->titleFont();
    values->setLabelFormat(QStringLiteral("%g"));
    const auto [bottom, top] = axisRange(figures);
    values->setRange(bottom, top);
    values->applyNiceNumbers();
    if (m_across) {
        // Under bars lying across a narrow chart three figures fit whole: 0, the middle, the end.
        values->setTickCount(3);
        values->setTruncateLabels(false);
    }
    chart->addAxis(values, m_across ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(values);
    m_values = values;
    // The plot's size is known once the chart has laid itself out.
    connect(chart, &QChart::plotAreaChanged, this, &BarChartView::fitAxisTitle);

    // setChart deletes the chart shown before.
    setChart(chart);
    placeTitle();
    thinLabels();
    // Other labels may need another width.
    updateGeometry();
}

QSize BarChartView::minimumSizeHint() const {
    if (m_labels == nullptr || m_data.labels.empty()) {
        return kLeastSize;
    }
    // Labels longer than their share are cut (thinLabels): only the shorter ones count whole.
    const QFontMetrics labels(m_labels->labelsFont());
    int widest = 0;
    for (const std::string& label : m_data.labels) {
        widest = std::max(widest,
                          std::min(labels.horizontalAdvance(text(label)), 2 * kLeastLabelLength));
    }
    const int title = QFontMetrics(m_valueTitleFont).horizontalAdvance(text(m_data.valueAxisTitle));
    const int sides = m_margins.left() + m_margins.right() + kAxisRoom;
    // The value axis' title runs beneath the plot alone, beside the labels.
    return QSize(
        std::max({kLeastSize.width(), widest + kLeastPlotWidth + sides, widest + title + sides}),
        kLeastSize.height());
}

// The chart draws its title on one line and cuts what does not fit. A title wider than the
// chart is drawn instead by an item of the view's own, broken between words, in a top margin of
// the chart made as tall as its lines; the exported picture shows it the same way.
void BarChartView::placeTitle() {
    QChart* shown = chart();
    const QString title = text(m_data.title);
    const QFont font = shown->titleFont();
    const qreal room = width() - 2.0 * kTitleSide;
    // The chart's own line is narrower by its margins at both sides.
    const qreal line = room - m_margins.left() - m_margins.right();
    if (room <= 0 || QFontMetricsF(font).horizontalAdvance(title) <= line) {
        shown->setTitle(title);
        // Setting even the same margins lays the chart out again on the event loop's next turn,
        // which an export from the command line never reaches: its picture lost the title.
        if (shown->margins() != m_margins) {
            shown->setMargins(m_margins);
        }
        m_title->hide();
        return;
    }
    shown->setTitle(QString());
    m_title->setFont(font);
    m_title->setDefaultTextColor(shown->titleBrush().color());
    m_title->setTextWidth(room);
    m_title->setPlainText(title);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    m_title->document()->setDefaultTextOption(centred);
    m_title->setPos(kTitleSide, kTitleTop);
    m_title->show();
    QMargins margins = m_margins;
    margins.setTop(m_margins.top() + kTitleTop +
                   static_cast<int>(std::ceil(m_title->boundingRect().height())));
    shown->setMargins(margins);
}

void BarChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    if (!m_data.labels.empty() && wantsBarsAcross() != m_across) {
        const ChartData figures = m_data;
        showChart(figures);
        return;
    }
    placeTitle();
    thinLabels();
}

// An axis title longer than its side of the plot would be cut to a stub ("Total ran..."): a
// short chart leaves it out, its own title saying what the bars are. The legend stands above
// the plot of a short chart, where upright labels cannot run into it.
void BarChartView::fitAxisTitle() {
    if (m_values == nullptr) {
        return;
    }
    const QRectF plot = chart()->plotArea();
    const qreal along = m_across ? plot.width() : plot.height();
    const qreal wanted =
        QFontMetricsF(m_values->titleFont()).horizontalAdvance(m_values->titleText());
    const bool shown = along <= 0 || wanted <= along;
    if (m_values->isTitleVisible() != shown) {
        m_values->setTitleVisible(shown);
    }
    const Qt::Alignment legend = height() < kShortChart ? Qt::AlignTop : Qt::AlignBottom;
    if (chart()->legend()->alignment() != legend) {
        chart()->legend()->setAlignment(legend);
    }
}

std::size_t BarChartView::dataIndex(qsizetype shown) const {
    // Bars lying across are drawn from the bottom up: the figures go in last first, so that the
    // first reads at the top.
    const auto index = static_cast<std::size_t>(shown);
    return m_across ? m_data.labels.size() - 1 - index : index;
}

bool BarChartView::wantsBarsAcross() const {
    // Upright labels centred on bars narrower than a line of text lose the first of them at the
    // plot's edge: a tall, narrow chart lays its bars across and reads every label flat.
    return m_data.labels.size() > kUprightLabels && height() > width();
}

void BarChartView::thinLabels() {
    const auto count = static_cast<qsizetype>(m_data.labels.size());
    if (m_labels == nullptr || count == 0) {
        return;
    }
    const QFontMetrics metrics(m_labels->labelsFont());
    // Upright labels, and flat ones above one another, stand a line apart; flat ones side by
    // side need their own width.
    qreal need = metrics.height() + 2;
    if (!m_across && static_cast<std::size_t>(count) <= kUprightLabels) {
        for (const std::string& label : m_data.labels) {
            need = std::max<qreal>(need, metrics.horizontalAdvance(text(label)) + 8);
        }
    }
    qreal room = m_across ? chart()->plotArea().height() : chart()->plotArea().width();
    if (room <= 0) {
        room = (m_across ? height() : width()) * 0.75;
    }
    const int step = std::max(1, static_cast<int>(std::ceil(need * count / std::max(room, 1.0))));
    // A label standing upright takes its length from the plot's height, one lying flat beside
    // the bars from their width: a long team name is cut at its end rather than pushing the plot
    // and the axis title out of the chart.
    const bool upright = !m_across && static_cast<std::size_t>(count) > kUprightLabels;
    int length = QWIDGETSIZE_MAX;
    if (upright) {
        length = std::max(kLeastLabelLength, height() * kUprightLabelShare / 100);
    } else if (m_across) {
        length = std::max(kLeastLabelLength, width() * kFlatLabelShare / 100);
    }
    if (step == m_labelStep && length == m_labelLength) {
        return;
    }
    m_labelStep = step;
    m_labelLength = length;
    QStringList shown;
    for (qsizetype index = 0; index < count; ++index) {
        // Categories must differ from one another: a left-out label is a run of zero-width
        // spaces of its own length, and so is what tells apart two labels cut alike.
        QString label =
            index % step == 0
                ? metrics.elidedText(text(m_data.labels[dataIndex(index)]), Qt::ElideRight, length)
                : QString();
        if (label.isEmpty() || shown.contains(label)) {
            label += QString(index + 1, QChar(0x200B));
        }
        shown << label;
    }
    m_labels->setCategories(shown);
}

QByteArray BarChartView::pngPicture() {
    return pngBytes(grab());
}

}  // namespace quorvane::gui
