// SPDX-License-Identifier: MIT
#include <QAbstractProxyModel>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../roomdialogs/RecordingRoomView.h"
#include "cli/CliApp.h"
#include "gui/app/FormMain.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/FormAddKeepers.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/NamedChild.h"
#include "gui/widgets/PuntPlanBars.h"
#include "gui/widgets/WebPane.h"
#include "model/DraftLoader.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"
#include "teamadvice/ExplainLabels.h"
#include "text/ReadableFigures.h"

using namespace quorvane;

namespace {

// Six players: a centre, three guards and two forwards, with figures that order them apart.
void addPlayers(test::TestProgram& program) {
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, fga, ftm, fta, pt3m, assists, dreb, PG, SG, SF, PF, C) values "
        "(1, 2019, 'Steven', 'Adams', 'C', 'OKC', 80, 400, 700, 100, 200, 0, 90, 760, 0, 0, 0, 0, "
        "1),"
        "(2, 2019, 'Dennis', 'Smith', 'G', 'DAL', 60, 300, 700, 100, 150, 61, 400, 170, 1, 0, 0, "
        "0, 0),"
        "(3, 2019, 'Marcus', 'Smart', 'G', 'BOS', 70, 250, 600, 80, 100, 90, 300, 250, 0, 1, 0, "
        "0, 0),"
        "(4, 2019, 'Jaylen', 'Brown', 'F', 'BOS', 75, 350, 750, 90, 120, 71, 120, 310, 0, 0, 1, "
        "0, 0),"
        "(5, 2019, 'Luka', 'Doncic', 'G', 'DAL', 72, 510, 1120, 303, 420, 170, 430, 560, 1, 1, 0, "
        "0, 0),"
        "(6, 2019, 'Jarrett', 'Allen', 'F', 'BKN', 82, 380, 600, 120, 180, 0, 110, 690, 0, 0, 0, "
        "1, 0)");
}

// A three-team draft with rotisserie scoring; the second team is the user's.
int adviceDraft(test::TestProgram& program, bool auction = true) {
    addPlayers(program);
    const int draft = program.newDraft("Advice League", 3, auction, true);
    program.exec("update DraftTeams set owner = iif(draftposition = 2, 1, 0) where template_id = " +
                 std::to_string(draft));
    loadDraft(program.state, draft);
    return draft;
}

using quorvane::test::child;

const GridTable& freeAgents(gui::FormMain& main) {
    auto* view = child<QTableView>(main, "dg_freeagents");
    auto* model = qobject_cast<gui::GridTableModel*>(view->model());
    if (model == nullptr) {
        model = qobject_cast<gui::GridTableModel*>(
            qobject_cast<QAbstractProxyModel*>(view->model())->sourceModel());
    }
    return model->table();
}

std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, ',')) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

// The command line's output, run in-process on the program's database.
std::vector<std::vector<std::string>> cliRows(test::TestProgram& program,
                                              std::vector<std::string> args) {
    args.insert(args.begin(), {"quorvane-draft-cli", "--data-dir", program.folder.str()});
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    const int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), {out, err, in});
    if (status != 0) {
        qWarning("%s", err.str().c_str());
    }
    std::vector<std::vector<std::string>> rows;
    std::stringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        rows.push_back(splitLine(line));
    }
    return rows;
}

// Per player, the cell of every heading asked for; the grid shows two decimals, the command
// line every digit, so both are rounded to hundredths to compare.
using Figures = std::map<std::string, std::vector<std::string>>;

std::string hundredths(const std::string& text) {
    if (text.empty()) {
        return text;
    }
    return QString::number(std::round(std::stod(text) * 100.0) / 100.0 + 0.0, 'f', 2).toStdString();
}

Figures gridFigures(const GridTable& grid, const std::vector<std::string>& headings) {
    Figures figures;
    for (const auto& row : grid.rows) {
        std::vector<std::string>& cells = figures[row[0]];
        for (const std::string& heading : headings) {
            cells.push_back(row[static_cast<std::size_t>(grid.columnIndex(heading))]);
        }
    }
    return figures;
}

Figures adviseFigures(test::TestProgram& program, const std::vector<std::string>& headings) {
    const auto rows = cliRows(program, {"advise", "Advice League"});
    Figures figures;
    if (rows.empty()) {
        return figures;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        std::vector<std::string>& cells = figures[rows[r][0]];
        for (const std::string& heading : headings) {
            const auto at = std::find(rows[0].begin(), rows[0].end(), heading);
            cells.push_back(hundredths(rows[r][static_cast<std::size_t>(at - rows[0].begin())]));
        }
    }
    return figures;
}

}  // namespace

class AdviceWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theGridCarriesTheSameAdviceAsAdviseAndFollowsAPick() {
        test::TestProgram program;
        adviceDraft(program);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const GridTable& grid = freeAgents(main);
        for (const char* heading : {"Gain", "Z", "Z$", "VONA"}) {
            QVERIFY2(grid.columnIndex(heading) >= 0, heading);
        }
        // H-scores belong to head-to-head leagues.
        QVERIFY(grid.columnIndex("H") < 0);
        QVERIFY(child<QGroupBox>(main, "frm_punt_plan")->isHidden());
        // An auction has no next turn to look ahead to: VONA is hidden.
        auto* view = child<QTableView>(main, "dg_freeagents");
        QVERIFY(view->isColumnHidden(grid.columnIndex("VONA")));
        QVERIFY(!view->isColumnHidden(grid.columnIndex("Gain")));
        QCOMPARE(grid.rows.size(), std::size_t{6});
        QCOMPARE(gridFigures(grid, {"Gain", "Z", "Z$"}),
                 adviseFigures(program, {"gain", "z", "zdollars"}));

        // A rival buys Doncic: he leaves the grid and everyone's figures are worked again.
        const int rival = program.scalar("select teamid from DraftTeams where draftposition = 1");
        program.dialogs.answers.assign(3, true);
        const PickResult result =
            recordPick(program.state, program.dialogs, 5, PickForm{rival, "PG", "40"});
        QCOMPARE(int(result.outcome), int(PickOutcome::Recorded));
        main.showRoomView(*result.view);
        main.settle();
        const GridTable& after = freeAgents(main);
        QCOMPARE(after.rows.size(), std::size_t{5});
        QCOMPARE(gridFigures(after, {"Gain", "Z", "Z$"}),
                 adviseFigures(program, {"gain", "z", "zdollars"}));
    }

    // The figures arrive from their own thread; they are those of advise --availability (the
    // same default seed and count), as whole percents and hundredths.
    void theForecastFillsInOffTheWindowThreadAsAdviseHasIt() {
        test::TestProgram program;
        adviceDraft(program, false);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const auto cell = [&main](std::size_t row, const char* heading) {
            const GridTable& grid = freeAgents(main);
            const int column = grid.columnIndex(heading);
            return row < grid.rows.size() && column >= 0
                       ? grid.rows[row][static_cast<std::size_t>(column)]
                       : std::string();
        };
        QVERIFY(freeAgents(main).columnIndex("Avail 2") >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(!cell(0, "xVONA").empty(), 60000);
        const auto rows = cliRows(program, {"advise", "Advice League", "--availability"});
        QVERIFY(rows.size() > 1);
        const auto at = [&rows](const char* heading) {
            return static_cast<std::size_t>(std::find(rows[0].begin(), rows[0].end(), heading) -
                                            rows[0].begin());
        };
        std::map<std::string, std::vector<std::string>> byPlayer;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            byPlayer[rows[r][0]] = rows[r];
        }
        const GridTable& grid = freeAgents(main);
        for (std::size_t r = 0; r < grid.rows.size(); ++r) {
            const auto& line = byPlayer.at(grid.rows[r][0]);
            const double share = std::stod(line[at("avail")]);
            QVERIFY(std::abs(std::stod(cell(r, "Avail")) - share * 100.0) <= 0.51);
            QVERIFY(std::abs(std::stod(cell(r, "xVONA")) - std::stod(line[at("xvona")])) <= 0.006);
            if (std::abs(share - 0.25) > 0.001) {
                QCOMPARE(cell(r, "Avail").find("\u25bc") != std::string::npos, share < 0.25);
            }
        }
    }

    // In a head-to-head league the H-scores arrive from their own thread and are those of
    // advise's h column; the punt plan shows the best of them, a bar per category.
    void hScoresAndThePuntPlanFillInOffTheWindowThread() {
        test::TestProgram program;
        const int draft = adviceDraft(program, false);
        const std::string id = std::to_string(draft);
        program.exec("update DraftTemplate set scoringstyle = 2 where template_id = " + id);
        program.exec("insert into DraftHeadToHead (template_id, mode, gamesperweek) values (" + id +
                     ", 0, 3.0)");
        loadDraft(program.state, draft);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const auto shownH = [&main] {
            const GridTable& grid = freeAgents(main);
            std::map<std::string, std::string> h;
            const int column = grid.columnIndex("H");
            for (const auto& row : grid.rows) {
                h[row[0]] = column < 0 ? "" : row[static_cast<std::size_t>(column)];
            }
            return h;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!shownH().empty() && !shownH().begin()->second.empty(), 60000);
        const auto rows = cliRows(program, {"advise", "Advice League"});
        QVERIFY(rows.size() > 1);
        QCOMPARE(rows[0].back(), std::string("h"));
        std::map<std::string, std::string> advised;
        std::string best;
        double bestH = -1.0;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            advised[rows[r][0]] = rows[r].back();
            if (std::stod(rows[r].back()) > bestH) {
                bestH = std::stod(rows[r].back());
                best = rows[r][1] + " " + rows[r][2];
            }
        }
        QCOMPARE(shownH(), advised);

        auto* plan = child<QGroupBox>(main, "frm_punt_plan");
        QVERIFY(!plan->isHidden());
        const QString text = child<QLabel>(main, "lbl_punt_plan")->text();
        QVERIFY2(text.startsWith(QString::fromStdString(best + " (H ")), qPrintable(text));
        const auto headings = cliRows(program, {"hscores", "Advice League", "--top", "1"});
        QVERIFY(!headings.empty());
        QCOMPARE(child<gui::PuntPlanBars>(main, "punt_plan_bars")->bars().size(),
                 headings[0].size() - 5);
    }

    void aPuntBoxIsSavedAndChangesTheGainAtOnce() {
        test::TestProgram program;
        adviceDraft(program);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const Figures before = gridFigures(freeAgents(main), {"Gain", "Z"});
        const QList<QCheckBox*> punts = main.findChildren<QCheckBox*>("chk_punt");
        QVERIFY(punts.size() >= 2);
        for (QCheckBox* box : punts) {
            QVERIFY(!box->isChecked());
        }
        // The first category of the draft is points.
        punts.front()->click();
        QTRY_VERIFY(gridFigures(freeAgents(main), {"Gain", "Z"}) != before);
        QCOMPARE(cliRows(program, {"punt", "Advice League"}).size(), std::size_t{2});
        QCOMPARE(gridFigures(freeAgents(main), {"Gain", "Z"}),
                 adviseFigures(program, {"gain", "z"}));
        // The box shows what is saved after the refresh rebuilt the panel.
        QVERIFY(main.findChildren<QCheckBox*>("chk_punt").front()->isChecked());

        main.findChildren<QCheckBox*>("chk_punt").front()->click();
        QTRY_COMPARE(gridFigures(freeAgents(main), {"Gain", "Z"}), before);
    }

    void thePlayerPageEndsWithTheExplainLinesAndHisCategories() {
        test::TestProgram program;
        adviceDraft(program, false);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        main.showPlayerPage(4);
        const QString page = main.webPane()->toPlainText();
        QVERIFY(page.contains("For your team"));
        const auto lines = cliRows(program, {"explain", "Advice League", "4"});
        QVERIFY(lines.size() > 10);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            // Cells of a table row come out of the plain text one to a line; the page names
            // each figure in words where the command prints its key.
            const QString label = QString::fromStdString(explainLabel(lines[i][0]));
            // The page rounds for people: money to cents, other fractions to three places.
            const QString value = QString::fromStdString(
                readableFigure(lines[i][0], lines[i].size() > 1 ? lines[i][1] : ""));
            QVERIFY2(page.contains(label + "\n" + value), qPrintable(label));
        }
        for (const char* words :
             {"Players in the z-score pool\n", "FGP: pool's deviation\n", "Total z-score\n"}) {
            QVERIFY2(page.contains(words), words);
        }
        for (const char* key : {"zpool", "FGP.sd", "PTS.z", "valued"}) {
            QVERIFY2(!page.contains(key), key);
        }
        // The card follows a pick while the page is shown.
        const QString card = page.mid(page.indexOf("For your team"));
        const int rival = program.scalar("select teamid from DraftTeams where draftposition = 1");
        program.dialogs.answers.assign(3, true);
        const PickResult result =
            recordPick(program.state, program.dialogs, 1, PickForm{rival, "C", ""});
        QCOMPARE(int(result.outcome), int(PickOutcome::Recorded));
        main.refreshEverything();
        QVERIFY(main.webPane()->toPlainText().contains("For your team"));
        QVERIFY(main.webPane()->toPlainText().mid(page.indexOf("For your team")) != card);
    }

    void theKeeperWindowsShowValueAndSurplus() {
        test::TestProgram program;
        adviceDraft(program);
        program.exec("update DraftPlayers set dollars = 31.17 where playerid = 4");
        test::RecordingRoomView view;
        gui::FormAddKeepers form(program.state, program.dialogs, view);
        auto* players = child<QTableView>(form, "dg_freeagents");
        int row = -1;
        for (int r = 0; r < players->model()->rowCount(); ++r) {
            if (players->model()->index(r, 0).data().toInt() == 4) {
                row = r;
            }
        }
        QVERIFY(row >= 0);
        const QString listed = players->model()->index(row, 1).data().toString();
        auto added = test::whenModalShown("form_addKeeperPlayer", [](QWidget* dialog) {
            auto* surplus = dialog->findChild<QLabel*>("lbl_surplus");
            auto* price = dialog->findChild<QLineEdit*>("txt_dollars");
            price->setText("12");
            // 31.17 - 12 = 19.17
            QCOMPARE(surplus->text(), QString("Value $31.17, surplus $19.17"));
            price->setText("35.5");
            QCOMPARE(surplus->text(), QString::fromUtf8("Value $31.17, surplus \u2212$4.33"));
            dialog->findChild<QPushButton*>("cmd_add")->click();
        });
        emit players->doubleClicked(players->model()->index(row, 1));
        QVERIFY(*added);
        auto* keepers = child<QTableView>(form, "dg_keepers");
        QCOMPARE(keepers->model()->rowCount(), 1);
        // One name form in both lists.
        QCOMPARE(keepers->model()->index(0, 1).data().toString(), QString("Brown, Jaylen"));
        QCOMPARE(listed, QString("Brown, Jaylen"));
        QCOMPARE(keepers->model()->index(0, 4).data().toString(), QString("31.17"));
        QCOMPARE(keepers->model()->index(0, 5).data().toString(), QString("-4.33"));
        QVERIFY(!keepers->isColumnHidden(5));
    }
};

QTEST_MAIN(AdviceWindowTest)
#include "AdviceWindowTest.moc"
