// SPDX-License-Identifier: MIT
// The draft room from the keyboard: menus and shortcuts, default buttons, the keyboard back in
// the quick-pick box after every window, the buyer typed by name, the user's team and watch list
// in view, and the roster that follows the clock.
#include <QAbstractProxyModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "gui/app/FormMain.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/SidePane.h"
#include "gui/app/WindowMemory.h"
#include "gui/draftconfig/FormSetup.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/QuickPickBox.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/NamedChild.h"
#include "gui/support/SixPlayers.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/ElidingDelegate.h"
#include "gui/widgets/WebPane.h"
#include "model/DraftLoader.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

using quorvane::test::child;

gui::GridTableModel* gridModel(QWidget& parent, const char* name) {
    auto* view = child<QTableView>(parent, name);
    auto* model = qobject_cast<gui::GridTableModel*>(view->model());
    return model != nullptr ? model
                            : qobject_cast<gui::GridTableModel*>(
                                  qobject_cast<QAbstractProxyModel*>(view->model())->sourceModel());
}

int teamAt(test::TestProgram& program, int position) {
    for (const DraftTeam& team : program.state.draftSettings()->draftTeams) {
        if (team.draftposition == position) {
            return team.teamid;
        }
    }
    return 0;
}

// Records a pick the way the pick window does and lets the room follow it completely.
void pick(test::TestProgram& program, gui::FormMain& main, int playerid, int team,
          const std::string& pos, const std::string& dollars = "") {
    program.dialogs.answers.assign(3, true);
    const PickResult result =
        recordPick(program.state, program.dialogs, playerid, PickForm{team, pos, dollars});
    QCOMPARE(int(result.outcome), int(PickOutcome::Recorded));
    main.showRoomView(*result.view);
    main.settle();
}

// A shown, active room on a draft of the six players.
struct Room {
    test::TestProgram program;
    std::unique_ptr<gui::FormMain> window;
    gui::FormMain& main;
    // `roster` changes the draft's roster before the window opens.
    Room(int teams, bool auction, const std::string& roster = {})
        : main(open(teams, auction, roster)) {}
    gui::FormMain& open(int teams, bool auction, const std::string& roster) {
        test::addSixPlayers(program);
        const int draft = program.newDraft("League", teams, auction, true);
        if (!roster.empty()) {
            program.exec("update DraftRoster set " + roster +
                         " where template_id = " + std::to_string(draft));
            // Valued as the season's projections.
            program.exec("update DraftPlayers set stat_indicator = 'P'");
            (void)loadDraft(program.state, draft);
        }
        window = std::make_unique<gui::FormMain>(program.state, program.dialogs);
        window->resize(1024, 700);
        window->show();
        (void)QTest::qWaitForWindowActive(window.get());
        window->refreshMain();
        return *window;
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    // Lets the window's deferred work and its focus requests run.
    void wait() {
        main.settle();
        QTest::qWait(80);
    }
};

QString focusName() {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget->objectName() : QString();
}

}  // namespace

class CockpitWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCommandHasAMenuLetterAndTheFrequentOnesAKey() {
        test::TestProgram program;
        gui::FormMain main(program.state, program.dialogs);
        std::set<QChar> menuLetters;
        for (QAction* menu : main.menuBar()->actions()) {
            const QString title = menu->text();
            const qsizetype amp = title.indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0, qPrintable(title));
            QVERIFY2(menuLetters.insert(title.at(amp + 1).toLower()).second, qPrintable(title));
            std::set<QChar> itemLetters;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator() || item->menu() != nullptr) {
                    continue;
                }
                const qsizetype at = item->text().indexOf(QLatin1Char('&'));
                QVERIFY2(at >= 0, qPrintable(item->text()));
                QVERIFY2(itemLetters.insert(item->text().at(at + 1).toLower()).second,
                         qPrintable(item->text()));
            }
        }
        const std::vector<std::pair<const char*, QList<QKeySequence>>> keys = {
            {"mnuQuickPick", {QKeySequence("Ctrl+K"), QKeySequence("/")}},
            {"mnuSkipPick", {QKeySequence("Ctrl+Shift+S")}},
            {"mnuUndoPick", {QKeySequence("Ctrl+Z")}},
            {"mnuWatchPlayer", {QKeySequence("W")}},
            {"mnuRosterTeam", {QKeySequence("Ctrl+R")}},
            {"mnuShowInflation", {QKeySequence("Ctrl+I")}},
            {"mnuTabMain", {QKeySequence("Ctrl+1")}},
            {"mnuTabResearch", {QKeySequence("Ctrl+2")}},
            {"mnuTabStandings", {QKeySequence("Ctrl+3")}},
            {"mnuTabTargets", {QKeySequence("Ctrl+4")}},
            {"mnuTabBoard", {QKeySequence("Ctrl+5"), QKeySequence("Ctrl+B")}},
            {"mnuSortDescending", {QKeySequence("Ctrl+Shift+Down")}},
            {"mnuSortAscending", {QKeySequence("Ctrl+Shift+Up")}},
            {"mnuSidePane", {QKeySequence("Ctrl+\\")}},
            {"mnuPresentation", {QKeySequence("Ctrl+Shift+P")}},
            {"mnuRefresh", {QKeySequence("F5")}},
            {"mnuHelpForTab", {QKeySequence("F1")}},
            {"mnuNewDraft", {QKeySequence("Ctrl+N")}},
            {"mnuOpenDraft", {QKeySequence("Ctrl+O")}},
            {"mnuExit", {QKeySequence("Ctrl+Q")}}};
        for (const auto& [name, sequences] : keys) {
            QCOMPARE(child<QAction>(main, name)->shortcuts(), sequences);
        }
    }

    void theShortcutsDoWhatTheySay() {
        Room room(3, false);
        gui::FormMain& main = room.main;
        auto* tabs = child<QTabWidget>(main, "SSTab1");
        QTest::keyClick(&main, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(gui::FormMain::kProjectedStandings));
        QTest::keyClick(&main, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(gui::FormMain::kDraftBoard));
        // F1 opens the help of the tab in view.
        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(main.helpWindow() != nullptr && main.helpWindow()->isVisible());
        QVERIFY(
            main.helpWindow()->webPane()->currentAddress().toString().endsWith("help_board.htm"));
        main.helpWindow()->close();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(gui::FormMain::kMainView));
        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(
            main.helpWindow()->webPane()->currentAddress().toString().endsWith("help_main.htm"));
        main.helpWindow()->close();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        // Ctrl+R: the keyboard in the roster's team list.
        QTest::keyClick(&main, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(focusName(), QString("cmb_roster"));
        // Ctrl+K: the quick-pick box.
        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(focusName(), QString("txt_quickpick"));

        // On the grid: the current column sorts best first, then the other way round.
        auto* grid = child<QTableView>(main, "dg_freeagents");
        gui::GridTableModel* players = gridModel(main, "dg_freeagents");
        const int name = players->table().columnIndex("Name");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(2, name));
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(players->table().rows.front()[static_cast<std::size_t>(name)],
                 std::string("Adams, Steven"));
        QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(players->table().rows.front()[static_cast<std::size_t>(name)],
                 std::string("Smith, Dennis"));
        // Enter, and Space, open the player's page in the side pane.
        grid->setCurrentIndex(grid->model()->index(0, name));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(int(main.sidePane()->currentPage()), int(gui::SidePane::kWebPage));
        QVERIFY(main.webPane()->toPlainText().contains("Dennis Smith"));
        grid->setCurrentIndex(grid->model()->index(1, name));
        QTest::keyClick(grid, Qt::Key_Space);
        QVERIFY(main.webPane()->toPlainText().contains("Marcus Smart"));
        // W watches the player of the current row; the status bar says so.
        QTest::keyClick(grid, Qt::Key_W);
        QCOMPARE(gridModel(main, "dg_watch")->rowCount(), 1);
        QCOMPARE(main.statusBar()->currentMessage(), QString("Watching Marcus Smart"));
    }

    // Alt and a letter reach one thing only: a menu, a tab of the room or a control in sight.
    void everyAltLetterOfTheRoomIsClaimedOnceAndResearchTakesTheKeyboard() {
        Room room(3, false);
        std::map<QChar, QString> claimed;
        const auto claim = [&claimed](const QString& text) {
            const qsizetype amp = text.indexOf(QRegularExpression("&[^&]"));
            if (amp < 0) {
                return;
            }
            const auto [at, fresh] = claimed.emplace(text.at(amp + 1).toLower(), text);
            QVERIFY2(fresh, qPrintable(text + " and " + at->second));
        };
        for (QAction* menu : room.main.menuBar()->actions()) {
            claim(menu->text());
        }
        auto* tabs = child<QTabWidget>(room.main, "SSTab1");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            claim(tabs->tabText(tab));
        }
        for (QAbstractButton* button : room.main.findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                claim(button->text());
            }
        }
        QTest::keyClick(&room.main, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(tabs->currentIndex(), int(gui::FormMain::kPlayerResearch));
        room.wait();
        QCOMPARE(focusName(), QString("dg_research"));
        auto* research = child<QTableView>(room.main, "dg_research");
        QVERIFY(research->currentIndex().isValid());
        // The arrows walk the players; Enter opens the page of the one reached.
        QTest::keyClick(research, Qt::Key_Down);
        QCOMPARE(research->currentIndex().row(), 1);
        QTest::keyClick(research, Qt::Key_Return);
        QCOMPARE(int(room.main.sidePane()->currentPage()), int(gui::SidePane::kWebPage));
    }

    // The pick window cancelled, the box holds a name the user typed before it: nothing of his
    // since the box took the keyboard back, so Ctrl+Z undoes the draft's last pick.
    void ctrlZUndoesThePickUnlessTheUserTypedAndEscapeEmptiesTheBox() {
        Room room(3, false);
        pick(room.program, room.main, 1, teamAt(room.program, 1), "C");
        pick(room.program, room.main, 2, teamAt(room.program, 2), "PG");
        room.program.dialogs.answers.assign(4, true);
        const auto picks = [&room] {
            return room.program.scalar("select count(*) from DraftTaken");
        };
        QTest::keyClick(&room.main, Qt::Key_K, Qt::ControlModifier);
        auto* box = child<QLineEdit>(room.main, "txt_quickpick");
        QTest::keyClicks(box, "smart");
        const auto cancelled = test::whenModalShown(
            "form_addplayer", [](QWidget* window) { qobject_cast<QDialog*>(window)->reject(); });
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(*cancelled);
        room.wait();
        QCOMPARE(focusName(), QString("txt_quickpick"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        room.wait();
        QCOMPARE(picks(), 1.0);

        // Letters typed now are the user's: Ctrl+Z takes them back and leaves the pick alone,
        // then, with nothing of his left, undoes the pick.
        const QString left = box->text();
        QTest::keyClicks(box, "zq");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        room.wait();
        QCOMPARE(box->text(), left);
        QCOMPARE(picks(), 1.0);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        room.wait();
        QCOMPARE(picks(), 0.0);

        // Escape empties the box whether or not the name matches anybody.
        QTest::keyClicks(box, "nobody at all");
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->text(), QString());
        QTest::keyClicks(box, "sm");
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->text(), QString());
    }

    // At 1024 x 700 the standings show the total beside the owners, and the owners stay in
    // sight however far the grid scrolls across.
    void aNarrowWindowKeepsTheOwnersAndTheTotalOfTheStandingsInSight() {
        Room room(3, false);
        pick(room.program, room.main, 5, teamAt(room.program, 1), "PG");
        QTest::keyClick(&room.main, Qt::Key_3, Qt::ControlModifier);
        room.wait();
        auto* grid = child<QTableView>(room.main, "dg_standings");
        const GridTable& table = gridModel(room.main, "dg_standings")->table();
        const int total = table.columnIndex("TOTAL");
        QVERIFY(total > 0);
        QHeaderView* header = grid->horizontalHeader();
        QCOMPARE(header->visualIndex(total), 1);
        QVERIFY(header->sectionViewportPosition(total) + header->sectionSize(total) <=
                grid->viewport()->width());
        QVERIFY(grid->isColumnHidden(0));
        QVERIFY(grid->verticalHeader()->isVisible());
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(),
                 QString::fromStdString(table.rows[0][0]));
        QVERIFY(grid->verticalHeader()->width() >=
                grid->fontMetrics().horizontalAdvance(QStringLiteral("Owner 1")));
        QVERIFY(room.main.width() <= 1024);
    }

    // The player's page gets most of the side pane, and the user's team the rest of it.
    void thePlayersPageHasRoomInTheSidePane() {
        Room room(3, false);
        room.wait();
        QTest::keyClick(&room.main, Qt::Key_1, Qt::ControlModifier);
        auto* grid = child<QTableView>(room.main, "dg_freeagents");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 3));
        QTest::keyClick(grid, Qt::Key_Return);
        room.wait();
        gui::SidePane* side = room.main.sidePane();
        QCOMPARE(int(side->currentPage()), int(gui::SidePane::kWebPage));
        const int page = room.main.webPane()->height();
        QVERIFY2(page * 2 > side->height(), qPrintable(QString::number(page)));
        auto* roster = child<QTableView>(room.main, "dg_myteam");
        QVERIFY(roster->height() > 3 * roster->verticalHeader()->defaultSectionSize());
        // Back on the draft's page the roster is whole again.
        side->showPage(gui::SidePane::kDraftPage);
        room.wait();
        QCOMPARE(roster->height(), roster->maximumHeight());
        QVERIFY(room.main.width() <= 1024);
    }

    // Names sort as people look them up; the arrow points the way the list runs.
    void theListSortsAccentedNamesInPlaceAndItsArrowPointsTheWayItRuns() {
        Room room(3, false);
        auto* grid = child<QTableView>(room.main, "dg_freeagents");
        gui::GridTableModel* players = gridModel(room.main, "dg_freeagents");
        const int name = players->table().columnIndex("Name");
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, name));
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        std::vector<std::string> names;
        for (const auto& row : players->table().rows) {
            names.push_back(row[static_cast<std::size_t>(name)]);
        }
        QCOMPARE(names, (std::vector<std::string>{"Adams, Steven", "Allen, Jarrett",
                                                  "Brown, Jaylen", "Don\u010di\u0107, Luka",
                                                  "Smart, Marcus", "Smith, Dennis"}));
        // Qt draws an ascending indicator as an arrow pointing down, from the first row on.
        QHeaderView* header = grid->horizontalHeader();
        QCOMPARE(header->sortIndicatorSection(), name);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        // A figure sorted best first runs down from the largest: the same arrow as A to Z.
        const int rank = players->table().columnIndex("Gain");
        grid->setCurrentIndex(grid->model()->index(0, rank));
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(header->sortIndicatorSection(), rank);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    // Two watched players of one initial stay apart however narrow the list: the last names
    // are kept, cut at their ends.
    void watchedNamesStayApartInANarrowList() {
        Room room(3, false);
        auto* grid = child<QTableView>(room.main, "dg_freeagents");
        gui::GridTableModel* players = gridModel(room.main, "dg_freeagents");
        grid->setFocus();
        for (int row = 0; row < players->rowCount(); ++row) {
            const std::string& id = players->rowAt(row)->front();
            if (id == "4" || id == "6") {  // Jaylen Brown and Jarrett Allen
                grid->setCurrentIndex(grid->model()->index(row, 3));
                QTest::keyClick(grid, Qt::Key_W);
            }
        }
        auto* watch = child<QTableView>(room.main, "dg_watch");
        QCOMPARE(watch->model()->rowCount(), 2);
        const QFontMetrics metrics = watch->fontMetrics();
        for (const int width : {watch->columnWidth(1), 56, 40}) {
            QStringList shown;
            for (int row = 0; row < 2; ++row) {
                shown << gui::ElidingDelegate::shownText(
                    watch->model()->index(row, 1).data().toString(), metrics, width,
                    watch->textElideMode());
            }
            QVERIFY2(shown[0] != shown[1], qPrintable(shown.join(" | ")));
            for (const QString& name : shown) {
                QVERIFY2(!name.startsWith(QString::fromUtf8("J. \u2026")), qPrintable(name));
            }
        }
    }

    // The money and the inflation of an auction: a debt as "−$10", and one inflation figure
    // whether the list shows values with inflation or not.
    void anAuctionsBannerAndTeamShowOneInflationAndDebtsWithTheMinusSignFirst() {
        const auto afterASale = [](bool inflationShown) {
            // A point guard and a centre each: four of the six players are bought, and valued.
            Room room(2, true,
                      "PG = 1, SG = 0, G = 0, SF = 0, PF = 0, F = 0, C = 1, UT = 0, R = 0");
            if (inflationShown) {
                QTest::keyClick(&room.main, Qt::Key_I, Qt::ControlModifier);
                room.wait();
            }
            pick(room.program, room.main, 5, teamAt(room.program, 1), "PG", "210");
            room.wait();
            QStringList shown{child<QLabel>(room.main, "lbl_myteam_money")->text()};
            for (const QString& line :
                 child<gui::ElidedLabel>(room.main, "lbl_clock")->toolTip().split('\n')) {
                if (line.startsWith("Inflation")) {
                    shown << line;
                }
            }
            return shown;
        };
        const QStringList plain = afterASale(false);
        // $200 less 210: 10 owed; the centre is the next and last player to buy.
        QCOMPARE(plain.front(), QString::fromUtf8("\u2212$10 left \u00b7 largest bid \u2212$10 "
                                                  "\u00b7 1 open slot"));
        QCOMPARE(plain.size(), 2);
        QCOMPARE(afterASale(true), plain);
    }

    void anAuctionShowsInflationOnCtrlI() {
        Room room(2, true);
        auto* inflation = child<QCheckBox>(room.main, "ck_original");
        QVERIFY(!inflation->isChecked());
        QTest::keyClick(&room.main, Qt::Key_I, Qt::ControlModifier);
        QVERIFY(inflation->isChecked());
        QVERIFY(room.program.state.showInflation);
        QVERIFY(child<QAction>(room.main, "mnuShowInflation")->isChecked());
    }

    void everyDialogHasADefaultButton() {
        Room room(3, false);
        room.program.exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder) values (1, "
            "6, " +
            std::to_string(teamAt(room.program, 2)) + ", 'PF', 2)");
        const std::vector<std::pair<const char*, const char*>> items = {
            {"mnuNewDraft", "Command1"},           {"mnuOpenDraft", "cmd_open"},
            {"mnuEditDraftSettings", "Command6"},  {"mnuAddPlayer", "cmd_add"},
            {"mnuKeepers", "cmd_finished"},        {"mnuUpdateProjections", "cmd_updProj"},
            {"mnu_edit_projections", "cmd_close"}, {"mnuImportTable", "cmd_dryrun"},
            {"mnuExRosters", "cmdExport"},         {"mnuAbout", "cmd_exit"}};
        const auto defaultOf = [](QWidget* window) {
            for (auto* button : window->findChildren<QPushButton*>()) {
                if (button->isDefault()) {
                    return button->objectName();
                }
            }
            return QString();
        };
        for (const auto& [item, button] : items) {
            QString found;
            auto* timer = new QTimer(&room.main);
            QObject::connect(timer, &QTimer::timeout, [&found, defaultOf, timer] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    found = defaultOf(dialog);
                    timer->stop();
                    dialog->reject();
                }
            });
            timer->start(10);
            child<QAction>(room.main, item)->trigger();
            timer->deleteLater();
            QCOMPARE(found, QString::fromLatin1(button));
        }
        // The room's own windows: the pick and the move.
        QString pickDefault;
        const auto picked = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            pickDefault = defaultOf(window);
            qobject_cast<QDialog*>(window)->reject();
        });
        room.main.openAddPlayer(1);
        QVERIFY(*picked);
        QCOMPARE(pickDefault, QString("cmd_addplayer"));
        QString moveDefault;
        const auto moved = test::whenModalShown("form_moveplayer", [&](QWidget* window) {
            moveDefault = defaultOf(window);
            qobject_cast<QDialog*>(window)->reject();
        });
        room.main.openMovePlayer(6);
        QVERIFY(*moved);
        QCOMPARE(moveDefault, QString("cmd_change"));
    }

    void theQuickPickBoxHasTheKeyboardAfterEachWindow() {
        Room room(3, false);
        for (const char* item : {"mnuEditDraftSettings", "mnuKeepers", "mnuImportTable",
                                 "mnuAddPlayer", "mnuExRosters", "mnuAbout"}) {
            child<QPushButton>(room.main, "cmd_pos_0")->setFocus();
            test::ModalCloser closer;
            child<QAction>(room.main, item)->trigger();
            room.wait();
            QVERIFY2(!closer.closed.empty(), item);
            QVERIFY2(focusName() == "txt_quickpick", item);
        }
        // And after a pick made from the keyboard.
        const auto answered = test::whenModalShown("form_addplayer", [](QWidget* window) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        });
        room.main.openAddPlayer(1);
        QVERIFY(*answered);
        room.wait();
        QCOMPARE(focusName(), QString("txt_quickpick"));
    }

    void aSaleFromTheKeyboardTypesPriceAndBuyerByName() {
        Room room(3, true);
        gui::FormMain& main = room.main;
        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
        auto* box = child<QLineEdit>(main, "txt_quickpick");
        QTest::keyClicks(box, "adams");
        QString firstBuyer;
        QString afterTyping;
        const auto sold = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            auto* buyer = window->findChild<QComboBox*>("cmb_team");
            firstBuyer = buyer->currentText();
            // The cursor is in Dollars: the price, Tab to the buyer, his name with its blank.
            QTest::keyClicks(window->focusWidget(), "12");
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(window->focusWidget(), "owner 3");
            afterTyping = buyer->currentText();
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(*sold);
        // The first sale's nominator is the first team by draft position.
        QCOMPARE(firstBuyer, QString("Owner 1"));
        QCOMPARE(afterTyping, QString("Owner 3"));
        QCOMPARE(room.program.scalar("select dollars from DraftTaken where playerid = 1"), 12.0);
        QCOMPARE(room.program.scalar("select teamid from DraftTaken where playerid = 1"),
                 double(teamAt(room.program, 3)));
        // The next player is nominated by the second team: the window starts on it.
        QString secondBuyer;
        const auto next = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            secondBuyer = window->findChild<QComboBox*>("cmb_team")->currentText();
            QTest::keyClicks(window->focusWidget(), "4");
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(window->focusWidget(), "1");  // a draft position
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        });
        main.openAddPlayer(2);
        QVERIFY(*next);
        QCOMPARE(secondBuyer, QString("Owner 2"));
        QCOMPARE(room.program.scalar("select teamid from DraftTaken where playerid = 2"),
                 double(teamAt(room.program, 1)));
        room.wait();
        // One line with the details a hover away.
        auto* banner = child<gui::ElidedLabel>(main, "lbl_clock");
        QVERIFY(!banner->wordWrap());
        QVERIFY(banner->fullText().startsWith("Owner 3 nominates \u00b7 37 to buy"));
        QVERIFY(banner->toolTip().contains("Last sale: Dennis Smith to Owner 1 for $4"));
    }

    void myTeamShowsRosterMoneyAndPlaces() {
        Room room(2, true);  // position 1 is the user's
        pick(room.program, room.main, 5, teamAt(room.program, 1), "PG", "43");
        // $200 less 43 is 157; ten starting slots less one filled leave nine, eight of them
        // besides the next at the $1 minimum: 157 - 8 = 149; thirteen slots less one open.
        QCOMPARE(child<QLabel>(room.main, "lbl_myteam_money")->text(),
                 QString("$157 left \u00b7 largest bid $149 \u00b7 12 open slots"));
        const GridTable& roster = gridModel(room.main, "dg_myteam")->table();
        QCOMPARE(roster.rows.size(), std::size_t{13});
        QCOMPARE(roster.rows[1],
                 (std::vector<std::string>{"5", "PG", "Luka Don\u010di\u0107", "43"}));
        QCOMPARE(roster.rows[0], (std::vector<std::string>{"", "G", "", ""}));
        // The other team has nobody: the user leads every category he has figures in.
        const QString places = child<QLabel>(room.main, "lbl_myteam_places")->text();
        QVERIFY2(places.startsWith("Total 1st \u00b7 "), qPrintable(places));
        QVERIFY2(places.contains("PTS 1st"), qPrintable(places));
    }

    void watchedPlayersAnotherTeamTakesAreStruckThrough() {
        Room room(3, false);
        auto* grid = child<QTableView>(room.main, "dg_freeagents");
        gui::GridTableModel* players = gridModel(room.main, "dg_freeagents");
        for (int row = 0; row < players->rowCount(); ++row) {
            if (players->rowAt(row)->front() == "1") {
                grid->setCurrentIndex(grid->model()->index(row, 3));
            }
        }
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_W);
        pick(room.program, room.main, 1, teamAt(room.program, 1), "C");
        auto* watch = child<QTableView>(room.main, "dg_watch");
        QCOMPARE(watch->model()->rowCount(), 1);
        QCOMPARE(watch->model()->index(0, 6).data().toString(), QString("Owner 1"));
        QVERIFY(watch->model()->index(0, 1).data(Qt::FontRole).value<QFont>().strikeOut());
        // Delete in the list stops watching him.
        watch->setFocus();
        watch->setCurrentIndex(watch->model()->index(0, 1));
        QTest::keyClick(watch, Qt::Key_Delete);
        QCOMPARE(watch->model()->rowCount(), 0);
    }

    void theRosterFollowsTheClockUntilTheUserChoosesATeam() {
        Room room(3, false);
        auto* team = child<QComboBox>(room.main, "cmb_roster");
        QCOMPARE(team->currentText(), QString("Owner 1"));
        pick(room.program, room.main, 1, teamAt(room.program, 1), "C");
        QCOMPARE(team->currentText(), QString("Owner 2"));
        // Typed by name, blank and all: the roster stays on that team.
        QTest::keyClick(&room.main, Qt::Key_R, Qt::ControlModifier);
        QTest::keyClicks(team, "owner 3");
        QCOMPARE(team->currentText(), QString("Owner 3"));
        pick(room.program, room.main, 2, teamAt(room.program, 2), "PG");
        QCOMPARE(team->currentText(), QString("Owner 3"));
        // Owner 3 is on the clock now; the next pick moves the clock and the roster with it.
        pick(room.program, room.main, 3, teamAt(room.program, 3), "SG");
        QCOMPARE(team->currentText(), QString("Owner 3"));  // the snake's turn: Owner 3 again
        // Back in the list later, typing starts a new name: a draft position this time.
        team->clearFocus();
        team->setFocus();
        QTest::keyClicks(team, "1");
        pick(room.program, room.main, 4, teamAt(room.program, 3), "SF");
        QCOMPARE(team->currentText(), QString("Owner 1"));
        QCOMPARE(child<QGroupBox>(room.main, "frm_roster")->title(), QString("Chosen team"));
    }

    void newsLeavesTheStatusBarAfterTenSeconds() {
        Room room(3, false);
        pick(room.program, room.main, 1, teamAt(room.program, 1), "C");
        room.main.undoPick();
        QCOMPARE(room.main.statusBar()->currentMessage(),
                 QString("Undid #1 Steven Adams, Owner 1"));
        QTest::qWait(9000);
        QVERIFY(!room.main.statusBar()->currentMessage().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(room.main.statusBar()->currentMessage().isEmpty(), 2000);
    }

    void theAvailableListPutsNameFirstAndRemembersTheUsersColumns() {
        const auto forget = [] { gui::userSettings().remove(QStringLiteral("columns")); };
        forget();
        Room room(3, false);
        const auto shownHeadings = [](gui::FormMain& main) {
            auto* grid = child<QTableView>(main, "dg_freeagents");
            QStringList shown;
            QHeaderView* header = grid->horizontalHeader();
            for (int visual = 0; visual < header->count(); ++visual) {
                const int column = header->logicalIndex(visual);
                if (!header->isSectionHidden(column)) {
                    shown << grid->model()->headerData(column, Qt::Horizontal).toString();
                }
            }
            return shown;
        };
        QCOMPARE(shownHeadings(room.main).mid(0, 6),
                 (QStringList{"Name", "Team", "Pos", "RK", "Gain", "VONA"}));

        // The user hides Z from View > Columns and drags VONA next to the name.
        auto* columns = child<QMenu>(room.main, "mnuColumns");
        emit columns->aboutToShow();
        for (QAction* action : columns->actions()) {
            if (action->text() == "Z") {
                action->setChecked(false);
            }
        }
        auto* grid = child<QTableView>(room.main, "dg_freeagents");
        QHeaderView* header = grid->horizontalHeader();
        const GridTable& table = gridModel(room.main, "dg_freeagents")->table();
        const int vona = table.columnIndex("VONA");
        const int name = table.columnIndex("Name");
        header->moveSection(header->visualIndex(vona), header->visualIndex(name) + 1);
        const QStringList arranged = shownHeadings(room.main);
        QVERIFY(!arranged.contains("Z"));
        QCOMPARE(arranged.mid(0, 3), (QStringList{"Name", "VONA", "Team"}));

        // The next window over the same draft shows them as the user left them.
        room.window.reset();
        gui::FormMain again(room.program.state, room.program.dialogs);
        again.refreshMain();
        QCOMPARE(shownHeadings(again), arranged);
        forget();
    }

    void setupTypesTeamNamesDownTheListAndTabSkipsDelete() {
        test::TestProgram program;
        program.newDraft("League", 3, false, true);
        gui::FormMain main(program.state, program.dialogs);
        gui::FormSetup setup(program.state, program.dialogs, main);
        setup.showTab(SetupTab::Team);
        setup.show();
        QVERIFY(QTest::qWaitForWindowActive(&setup));
        auto* first = child<QLineEdit>(setup, "Text4_0");
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(focusName(), QString("Text4_1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(!focusName().startsWith("cmd_delteam"), qPrintable(focusName()));
        QVERIFY2(focusName().endsWith("_2"), qPrintable(focusName()));
        QVERIFY(child<QPushButton>(setup, "Command6")->isDefault());
        // Ctrl+Delete in a row takes that team out of the list, once the user says Yes.
        program.dialogs.answers.assign(2, true);
        auto* last = child<QLineEdit>(setup, "Text4_2");
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Delete, Qt::ControlModifier);
        QTRY_VERIFY(setup.findChild<QLineEdit*>("Text4_2") == nullptr);
    }
};

QTEST_MAIN(CockpitWindowTest)
#include "CockpitWindowTest.moc"
