// SPDX-License-Identifier: MIT
#include <QAbstractBarSeries>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QValueAxis>

#include "../../headtohead/HeadToHeadDraft.h"
#include "LeagueFixture.h"
#include "gui/app/FormMain.h"
#include "gui/models/GridTableModel.h"
#include "gui/valuation/StandingsPage.h"
#include "gui/valuation/TargetsPage.h"
#include "gui/valuation/ValuationCharts.h"
#include "gui/widgets/BarChartView.h"

using quorvane::gui::BarChartView;
using quorvane::gui::ChartPanel;
using quorvane::gui::GridTableModel;
using quorvane::gui::StandingsPage;
using quorvane::gui::TargetsPage;
using quorvane::test::League;
using quorvane::test::TestProgram;

namespace {

// Owner 1 (the user's) has a starter with 20 points; Owner 2 only a reserve with 40.
League twoTeams(TestProgram& program) {
    League league(program, 2, quorvane::kDraftTypeSnake, quorvane::kScoringRotisserie);
    league.categories({{1, 1}, {15, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 10, .fgm = 5, .fga = 10})
        .player({.playerid = 2, .lastname = "B", .fgm = 20, .fga = 40})
        .pick(1, 1, "G")
        .pick(2, 2, "R");
    league.load();
    return league;
}

QString cell(const QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

}  // namespace

class ValuationPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void standingsFollowTheReservesBox() {
        TestProgram program;
        twoTeams(program);
        StandingsPage page(program.state, program.dialogs);
        auto* grid = page.findChild<QTableView*>("dg_standings");
        auto* update = page.findChild<QPushButton*>("cmd_updateStandings");
        auto* reserves = page.findChild<QCheckBox*>("chk_reserves");
        QVERIFY(grid && update && reserves);

        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(grid->model()->columnCount(), 6);  // Owner, FGP, RK, PTS, RK, TOTAL
        QCOMPARE(cell(grid, 0, 0), QString("Owner 1"));
        QCOMPARE(cell(grid, 0, 5), QString("4"));

        reserves->setChecked(true);
        QVERIFY(program.state.includeReserves);
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(cell(grid, 0, 0), QString("Owner 2"));
        QCOMPARE(cell(grid, 0, 3), QString("40"));
    }

    void helpButtonsAskForTheirPages() {
        TestProgram program;
        StandingsPage standings(program.state, program.dialogs);
        TargetsPage targets(program.state, program.dialogs);
        QSignalSpy standingsHelp(&standings, &StandingsPage::helpRequested);
        QSignalSpy targetsHelp(&targets, &TargetsPage::helpRequested);
        QTest::mouseClick(standings.findChild<QPushButton*>("cmd_help_standings"), Qt::LeftButton);
        QTest::mouseClick(targets.findChild<QPushButton*>("cmd_help_targets"), Qt::LeftButton);
        QCOMPARE(standingsHelp.value(0).value(0).toString(),
                 QString("/draft/nba/help_standings.asp"));
        QCOMPARE(targetsHelp.value(0).value(0).toString(), QString("/draft/nba/help_targets.asp"));
    }

    void targetsAreSavedAndComparedWithTheTeam() {
        TestProgram program;
        twoTeams(program);
        TargetsPage page(program.state, program.dialogs);
        page.showCategoryTargets();
        auto captions = page.findChildren<QLabel*>("lbl_target");
        auto targets = page.findChildren<QLineEdit*>("txt_target");
        QCOMPARE(captions.size(), 2);
        QCOMPARE(captions[0]->text(), QString("PTS"));
        QCOMPARE(targets[0]->text(), QString("0"));
        QVERIFY(page.findChild<QLabel*>("lbl_target_directions")->text().startsWith("Add any"));

        targets[1]->setText("abc");
        QTest::mouseClick(page.findChild<QPushButton*>("cmd_set_targets"), Qt::LeftButton);
        QCOMPARE(program.dialogs.lastText(), std::string("Target is not valid for: FGP"));
        QCOMPARE(program.scalar("select count(*) from draftTargets"), 0.0);

        targets[0]->setText("25");
        targets[1]->setText(".4");
        QTest::mouseClick(page.findChild<QPushButton*>("cmd_set_targets"), Qt::LeftButton);
        QCOMPARE(program.scalar("select count(*) from draftTargets"), 2.0);
        const auto differences = page.findChildren<QLabel*>("lbl_diff");
        QCOMPARE(differences.size(), 2);
        QCOMPARE(differences[0]->text(), QString("-5"));
        QCOMPARE(differences[0]->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(differences[1]->text(), QString(".100"));
        QCOMPARE(differences[1]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(page.findChildren<QLineEdit*>("txt_actual")[0]->text(), QString("20"));
    }
    void standingsChartShowsTheGridsTotalsWithTheUsersTeamMarked() {
        TestProgram program;
        twoTeams(program);
        program.state.includeReserves = true;
        StandingsPage page(program.state, program.dialogs);
        auto* grid = page.findChild<QTableView*>("dg_standings");
        auto* chart = page.findChild<ChartPanel*>("chart_standings");
        QVERIFY(grid && chart);

        QTest::mouseClick(page.findChild<QPushButton*>("cmd_updateStandings"), Qt::LeftButton);

        // With the reserve Owner 2 leads on points (2 to 1) and ties on .500 (1.5 each):
        // 3.5 rank points to 2.5.
        const quorvane::ChartData& figures = chart->view()->chartData();
        QCOMPARE(figures.labels, (std::vector<std::string>{"Owner 2", "Owner 1"}));
        QCOMPARE(figures.series.at(0).values, (std::vector<double>{3.5, 2.5}));
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(cell(grid, row, 0).toStdString(),
                     figures.labels[static_cast<std::size_t>(row)]);
            QCOMPARE(cell(grid, row, 5).toDouble(),
                     figures.series[0].values[static_cast<std::size_t>(row)]);
        }
        QCOMPARE(figures.highlighted, std::optional<std::size_t>(1));
        QCOMPARE(chart->view()->chart()->series().size(), 1);

        // The money chart belongs to auctions only.
        QVERIFY(page.findChild<ChartPanel*>("chart_money")->isHidden());
        QVERIFY(program.dialogs.messages.empty());

        quorvane::test::TempFolder folder;
        const QString file = QString::fromStdString(folder.str() + "/standings.png");
        QVERIFY(chart->exportTo(file));
        QVERIFY(QImage(file).width() > 0);
        QVERIFY(!chart->exportTo(QString::fromStdString(folder.str() + "/no/such/folder.png")));
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
    }

    void targetsChartFollowsTheTargetsPanel() {
        TestProgram program;
        twoTeams(program);
        TargetsPage page(program.state, program.dialogs);
        QTest::mouseClick(page.findChild<QPushButton*>("cmd_set_targets"), Qt::LeftButton);
        const quorvane::ChartData& figures =
            page.findChild<ChartPanel*>("chart_targets")->view()->chartData();
        QCOMPARE(figures.labels, (std::vector<std::string>{"PTS", "FGP"}));
        // Without the reserve Owner 1 leads both: 2 rank points each, the league 3 / 2 = 1.5.
        QCOMPARE(figures.series.at(0).values, (std::vector<double>{2.0, 2.0}));
        QCOMPARE(figures.series.at(1).values, (std::vector<double>{1.5, 1.5}));
    }

    void moneyChartShowsAnAuctionsMoney() {
        TestProgram program;
        League league(program, 2, quorvane::kDraftTypeAuction, quorvane::kScoringRotisserie);
        league.money(260, 1)
            .categories({{1, 1}})
            .player({.playerid = 1, .lastname = "A", .ftm = 10})
            .pick(1, 2, "R", 33.25);
        league.load();
        StandingsPage page(program.state, program.dialogs);
        page.show();
        page.refreshMoneyChart();
        auto* money = page.findChild<ChartPanel*>("chart_money");
        QVERIFY(money->isVisible());
        const quorvane::ChartData& figures = money->view()->chartData();
        QCOMPARE(figures.series.at(0).values, (std::vector<double>{0.0, 33.25}));
        // 260 - 33.25 = 226.75 left to Owner 2.
        QCOMPARE(figures.series.at(1).values, (std::vector<double>{260.0, 226.75}));
    }

    void aTallNarrowChartLaysItsBarsAcrossWithEveryLabel() {
        quorvane::ChartData figures;
        figures.title = "Projected standings";
        figures.series.push_back({"Total", {}});
        for (int team = 1; team <= 12; ++team) {
            figures.labels.push_back("Owner " + std::to_string(team));
            figures.series[0].values.push_back(80.5 - 3.25 * team);
        }
        figures.highlighted = 0;  // the user's team leads: its label is the first
        BarChartView view;
        view.resize(210, 430);
        view.show();
        view.showChart(figures);
        QVERIFY(view.barsAcross());
        QCOMPARE(view.chart()->series().front()->type(), QAbstractSeries::SeriesTypeHorizontalBar);
        auto* labels = qobject_cast<QBarCategoryAxis*>(view.chart()->axes(Qt::Vertical).front());
        QVERIFY(labels != nullptr);
        // Twelve flat labels a line apart fit in 430 pixels: none is left out. The axis runs
        // from the bottom up, so the first team is its last category, with its figure and mark.
        QCOMPARE(labels->categories().size(), 12);
        QCOMPARE(labels->categories().back(), QString("Owner 1"));
        QCOMPARE(labels->categories().front(), QString("Owner 12"));
        auto* bars = qobject_cast<QAbstractBarSeries*>(view.chart()->series().front());
        QCOMPARE(bars->barSets().front()->at(11), 77.25);  // 80.5 - 3.25
        QCOMPARE(bars->barSets().front()->at(0), 41.5);    // 80.5 - 3.25 x 12
        QCOMPARE(bars->barSets().front()->selectedBars(), QList<int>{11});

        // Wider than tall: the bars stand up again.
        view.resize(640, 360);
        QVERIFY(!view.barsAcross());
        QCOMPARE(view.chart()->series().front()->type(), QAbstractSeries::SeriesTypeBar);
        QCOMPARE(view.chartData().labels.size(), std::size_t{12});
    }

    // A chance of 94 % with the bars' headroom would round the axis up to 150 %: a chance axis
    // ends at 100 %. Other figures keep their headroom (62.5 x 1.08 = 67.5, shown to 80).
    void aChanceAxisEndsAtOneHundredPercent() {
        quorvane::ChartData figures;
        figures.title = "Chances";
        figures.series.push_back({"Chance", {20.2, 94.0, 12.2}});
        figures.labels = {"FGP", "3PT", "TO"};
        figures.valueCeiling = 100.0;
        BarChartView view;
        view.resize(420, 360);
        view.show();
        view.showChart(figures);
        const auto valueAxis = [&view] {
            return qobject_cast<QValueAxis*>(view.chart()->axes(Qt::Vertical).front());
        };
        QVERIFY(valueAxis() != nullptr);
        QCOMPARE(valueAxis()->max(), 100.0);

        figures.valueCeiling.reset();
        figures.series[0].values = {62.5, 10.0, 3.0};
        view.showChart(figures);
        QVERIFY(valueAxis()->max() > 67.5);
    }

    // The head-to-head targets chart beside the targets panel is narrow: its title keeps every
    // word on lines of its own above the plot instead of ending in "...", and is the chart's
    // one line again once the chart is wide enough. The exported picture is the view as drawn.
    void aLongChartTitleBreaksOntoLinesAboveThePlot() {
        quorvane::ChartData figures;
        figures.title = "My team against the league's average team: chance per category";
        figures.series.push_back({"Chance", {39.8, 33.1, 74.3}});
        figures.labels = {"PTS", "STL", "TO"};
        BarChartView view;
        view.resize(280, 320);
        view.show();
        view.showChart(figures);
        QApplication::processEvents();
        const QString full = QString::fromStdString(figures.title);
        const auto drawnTitle = [&view, &full]() -> QGraphicsTextItem* {
            for (QGraphicsItem* item : view.scene()->items()) {
                auto* title = dynamic_cast<QGraphicsTextItem*>(item);
                if (title != nullptr && title->isVisible() && title->toPlainText() == full) {
                    return title;
                }
            }
            return nullptr;
        };
        const qreal line = QFontMetricsF(view.chart()->titleFont()).height();
        QGraphicsTextItem* title = drawnTitle();
        QVERIFY(title != nullptr);
        const QRectF area = title->sceneBoundingRect();
        QVERIFY2(area.height() >= 2 * line, qPrintable(QString::number(area.height())));
        QVERIFY(area.left() >= 0 && area.right() <= view.width());
        QVERIFY(view.chart()->plotArea().top() > area.bottom());
        QVERIFY(view.chart()->title().isEmpty());

        view.resize(900, 320);
        QApplication::processEvents();
        title = drawnTitle();
        QVERIFY(title != nullptr);
        QVERIFY(title->sceneBoundingRect().height() < 2 * line);
        QCOMPARE(view.chart()->title(), full);
    }

    // The `chart` command draws its picture without ever running an event loop: the view is
    // sized, given the figures and grabbed at once. A title or margins given after the chart was
    // shown are laid out only on the loop's next turn, so such a picture lost its title. This
    // test runs no loop either: the title's ink must be in the picture, above the plot.
    void aChartDrawnWithoutAnEventLoopHasItsTitle() {
        quorvane::ChartData figures;
        figures.title = "Projected standings";
        figures.series.push_back({"Points", {41.5, 29.0, 17.5}});
        figures.labels = {"Owner 1", "Owner 2", "Owner 3"};
        BarChartView view;
        view.resize(1200, 700);
        view.showChart(figures);
        const QImage picture = QImage::fromData(view.pngPicture(), "PNG");
        QCOMPARE(picture.size(), QSize(1200, 700));
        QCOMPARE(view.chart()->title(), QString::fromStdString(figures.title));
        // The middle third across, from the top down to just above the plot: nothing but the
        // title is drawn there (the value axis' labels sit at the left, the legend is hidden).
        const int plotTop = static_cast<int>(view.chart()->plotArea().top());
        QVERIFY2(plotTop > QFontMetricsF(view.chart()->titleFont()).height(),
                 qPrintable(QString::number(plotTop)));
        int ink = 0;
        for (int y = 0; y < plotTop - 2; ++y) {
            for (int x = picture.width() / 3; x < 2 * picture.width() / 3; ++x) {
                ink += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        QVERIFY2(ink > 30, qPrintable(QString::number(ink)));
    }

    // The two-team week of the head-to-head tests: Owner 1 wins PTS 39.8%, STL 33.1%, TO 74.3%,
    // FGP 61.3%, 2.08 categories a week (Owner 2 1.92).
    void headToHeadPagesShowTheWeeksChances() {
        TestProgram program;
        quorvane::test::fourPlayerLeague(program, quorvane::kDraftTypeSnake,
                                         quorvane::kHeadToHeadEachCategory, true);
        StandingsPage page(program.state, program.dialogs);
        page.show();
        QTest::mouseClick(page.findChild<QPushButton*>("cmd_updateStandings"), Qt::LeftButton);
        auto* grid = page.findChild<QTableView*>("dg_standings");
        QCOMPARE(grid->model()->columnCount(), 3);
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("Exp. Wins"));
        QCOMPARE(cell(grid, 0, 0), QString("Owner 1"));
        QCOMPARE(cell(grid, 0, 1), QString("2.08"));
        QCOMPARE(cell(grid, 1, 1), QString("1.92"));
        QCOMPARE(cell(grid, 1, 2), QString("2"));

        auto* matchups = page.findChild<QTableView*>("dg_matchups");
        QVERIFY(matchups && matchups->isVisible());
        QCOMPARE(matchups->model()->rowCount(), 2);  // Owner 2 and the league's average team
        QCOMPARE(cell(matchups, 0, 0), QString("Owner 2"));
        QCOMPARE(cell(matchups, 0, 1), QString("39.8%"));
        QCOMPARE(cell(matchups, 0, 3), QString("74.3%"));
        QCOMPARE(cell(matchups, 0, 5), QString("2.08"));
        QCOMPARE(cell(matchups, 0, 6), QString("53.2%"));
        QCOMPARE(cell(matchups, 1, 0), QString("Average opponent"));
        // Each chance in its own colour: the STL loss (33.1%) red beside the TO win (74.3%)
        // green in one row; the opponent's name plain.
        const auto background = [matchups](int row, int column) {
            return matchups->model()
                ->index(row, column)
                .data(Qt::BackgroundRole)
                .value<QBrush>()
                .color();
        };
        QVERIFY(background(0, 2).red() > background(0, 2).green());
        QVERIFY(background(0, 3).green() > background(0, 3).red());
        QVERIFY(!matchups->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
        // A column narrower than a later figure widens at the next refresh instead of cutting it.
        matchups->setColumnWidth(6, 8);
        QTest::mouseClick(page.findChild<QPushButton*>("cmd_updateStandings"), Qt::LeftButton);
        QVERIFY(matchups->columnWidth(6) >= matchups->fontMetrics().horizontalAdvance("53.2%"));

        // Owner 1 expects more categories a week, so he finishes first more often.
        auto* odds = page.findChild<QTableView*>("dg_season_odds");
        QVERIFY(odds && odds->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(odds->model()->rowCount(), 2, 30000);
        QCOMPARE(odds->model()->headerData(1, Qt::Horizontal).toString(), QString("First"));
        QCOMPARE(cell(odds, 0, 0), QString("Owner 1"));
        QVERIFY(cell(odds, 0, 1).endsWith("%"));

        const quorvane::ChartData& figures =
            page.findChild<ChartPanel*>("chart_standings")->view()->chartData();
        QCOMPARE(figures.labels, (std::vector<std::string>{"Owner 1", "Owner 2"}));
        QVERIFY(std::abs(figures.series.at(0).values.at(0) - 2.084167) < 1e-6);
        QCOMPARE(figures.highlighted, std::optional<std::size_t>(0));

        TargetsPage targets(program.state, program.dialogs);
        targets.showCategoryTargets();
        const auto captions = targets.findChildren<QLabel*>("lbl_target");
        const auto chances = targets.findChildren<QLabel*>("lbl_chance");
        QCOMPARE(chances.size(), captions.size());
        for (int row = 0; row < captions.size(); ++row) {
            if (captions[row]->text() == "STL") {
                QCOMPARE(chances[row]->text(), QString("33.1%"));
            }
        }
        const quorvane::ChartData& mine =
            targets.findChild<ChartPanel*>("chart_targets")->view()->chartData();
        QCOMPARE(mine.series.size(), std::size_t{1});
        for (std::size_t c = 0; c < mine.labels.size(); ++c) {
            if (mine.labels[c] == "TO") {
                QVERIFY(std::abs(mine.series[0].values[c] - 74.2905) < 1e-4);
            }
        }
    }

    // The room's first refresh of a head-to-head draft, as right after New Draft, shows the
    // head-to-head table and orders it as its chart does.
    void aHeadToHeadDraftShowsItsOwnStandingsFromTheFirstRefresh() {
        TestProgram program;
        quorvane::test::fourPlayerLeague(program, quorvane::kDraftTypeSnake,
                                         quorvane::kHeadToHeadEachCategory, true);
        quorvane::gui::FormMain main(program.state, program.dialogs);
        main.show();
        main.refreshMain();
        main.settle();
        auto* grid = main.findChild<QTableView*>("dg_standings");
        QCOMPARE(grid->model()->headerData(1, Qt::Horizontal).toString(), QString("Exp. Wins"));
        QCOMPARE(cell(grid, 0, 0), QString("Owner 1"));
        QCOMPARE(cell(grid, 0, 1), QString("2.08"));
        QCOMPARE(main.findChild<ChartPanel*>("chart_standings")->view()->chartData().labels,
                 (std::vector<std::string>{"Owner 1", "Owner 2"}));
    }

    // In the chart of a small window every team keeps a label: a long name is cut at its end
    // instead of pushing the plot out, and the chart asks for the width of its axis title.
    void aSmallChartCutsLongTeamNamesAndKeepsEveryLabel() {
        quorvane::ChartData figures;
        figures.title = "Money spent and left";
        figures.valueAxisTitle = "Total rank points";
        figures.series.push_back({"Spent", {}});
        figures.labels = {"The Splash Brothers Revival", "Downtown Dunkers Club"};
        for (int team = 3; team <= 12; ++team) {
            figures.labels.push_back("Owner " + std::to_string(team));
        }
        for (std::size_t team = 0; team < figures.labels.size(); ++team) {
            figures.series[0].values.push_back(12.5 + 3.0 * static_cast<double>(team));
        }
        BarChartView view;
        view.resize(330, 230);
        view.show();
        view.showChart(figures);
        QVERIFY(!view.barsAcross());
        auto* labels = qobject_cast<QBarCategoryAxis*>(view.chart()->axes(Qt::Horizontal).front());
        QVERIFY(labels != nullptr);
        const QStringList shown = labels->categories();
        QCOMPARE(shown.size(), 12);
        QVERIFY2(shown[0].startsWith("The Spl") && shown[0].endsWith(QChar(0x2026)),
                 qPrintable(shown[0]));
        QVERIFY2(shown[1].startsWith("Downt") && shown[1] != shown[0], qPrintable(shown[1]));
        QCOMPARE(shown[11], QString("Owner 12"));
        // At 230 pixels an upright label takes at most 30% of the height: 69.
        const QFontMetrics metrics(labels->labelsFont());
        QVERIFY(metrics.horizontalAdvance(shown[0]) <= 69);
        QVERIFY(view.minimumSizeHint().width() >
                QFontMetrics(view.font()).horizontalAdvance("Total rank points"));
        // The upright axis title does not fit beside a plot this short: it is left out rather
        // than cut, and the legend stands above the plot. Taller, both are as usual.
        auto* values = view.chart()->axes(Qt::Vertical).front();
        QTRY_VERIFY(!values->isTitleVisible());
        QCOMPARE(view.chart()->legend()->alignment(), Qt::Alignment(Qt::AlignTop));
        view.resize(360, 520);
        QTRY_VERIFY(view.chart()->axes(Qt::Vertical).front()->isTitleVisible());
        QCOMPARE(view.chart()->legend()->alignment(), Qt::Alignment(Qt::AlignBottom));
    }
};

QTEST_MAIN(ValuationPagesTest)
#include "ValuationPagesTest.moc"
