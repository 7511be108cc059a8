// SPDX-License-Identifier: MIT
#include <QAbstractProxyModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

#include <string>

#include "gui/app/FormMain.h"
#include "gui/app/HelpWindow.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/DraftBoardPage.h"
#include "gui/room/QuickPickBox.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/NamedChild.h"
#include "gui/support/SixPlayers.h"
#include "model/DraftLoader.h"
#include "platform/HelpPages.h"
#include "projections/ProjectionImport.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "session/ProjectionConversation.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

void addPlayers(test::TestProgram& program) {
    test::addSixPlayers(program);
}

using quorvane::test::child;

gui::GridTableModel* gridModel(gui::FormMain& main, const char* name) {
    auto* view = child<QTableView>(main, name);
    auto* model = qobject_cast<gui::GridTableModel*>(view->model());
    return model != nullptr ? model
                            : qobject_cast<gui::GridTableModel*>(
                                  qobject_cast<QAbstractProxyModel*>(view->model())->sourceModel());
}

QString clock(gui::FormMain& main) {
    return child<QLabel>(main, "lbl_clock")->text();
}

// Records a pick the way the add-player window does, and lets the main window show it.
void pick(test::TestProgram& program, gui::FormMain& main, int playerid, const std::string& pos,
          const std::string& dollars = "") {
    const int team = teamOnTheClock(*program.state.loadedDraft);
    program.dialogs.answers.assign(3, true);
    const PickResult result =
        recordPick(program.state, program.dialogs, playerid, PickForm{team, pos, dollars});
    QCOMPARE(int(result.outcome), int(PickOutcome::Recorded));
    main.showRoomView(*result.view);
    main.settle();
}

}  // namespace

class LiveDraftWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theSnakeBoardAndBannerFollowPicksSkipsAndUndo() {
        test::TestProgram program;
        addPlayers(program);
        const int draft = program.newDraft("Snake League", 3, false, true);
        program.exec(
            "update DraftTeams set owner = iif(draftposition = 2, 1, 0) where "
            "template_id = " +
            std::to_string(draft));
        loadDraft(program.state, draft);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QCOMPARE(clock(main), QString("Round 1 \u00b7 Pick 1 (#1) \u2014 Owner 1 on the clock "
                                      "\u00b7 you pick in 1"));
        pick(program, main, 1, "C");
        pick(program, main, 2, "G");
        pick(program, main, 3, "PG");
        QCOMPARE(clock(main), QString("Round 2 \u00b7 Pick 1 (#4) \u2014 Owner 3 on the clock "
                                      "\u00b7 you pick in 1"));

        gui::GridTableModel* board = gridModel(main, "dg_board");
        QCOMPARE(board->table().headings[2], std::string("Owner 2 (Mine)"));
        QCOMPARE(board->table().rows[0][1], std::string("Steven Adams (C, RK 1)"));
        // Owner 3 is on the clock for his second round: that cell is the highlighted one.
        auto* view = child<QTableView>(main, "dg_board");
        const QColor current =
            view->model()->data(view->model()->index(1, 3), Qt::BackgroundRole).value<QColor>();
        QCOMPARE(current, QColor(255, 214, 0));
        // The cell breaks the name from position and rank; its tooltip holds the whole line.
        QCOMPARE(view->model()->data(view->model()->index(0, 1), Qt::DisplayRole).toString(),
                 QStringLiteral("Steven Adams\n(C, RK 1)"));
        QCOMPARE(view->model()->data(view->model()->index(0, 1), Qt::ToolTipRole).toString(),
                 QStringLiteral("Steven Adams (C, RK 1)"));

        child<QPushButton>(main, "cmd_skip")->click();
        main.settle();
        QCOMPARE(main.statusBar()->currentMessage(),
                 QString("Skipped #4 Owner 3: Owner 2 on the clock"));
        QCOMPARE(
            clock(main),
            QString("Round 2 \u00b7 Pick 2 (#5) \u2014 Owner 2 on the clock \u00b7 your pick"));
        QCOMPARE(board->table().rows[1][3], std::string("(skipped)"));
        // Undo takes back the skip, though the team before the one on the clock made the last
        // pick; the next undo takes that pick.
        main.undoPick();
        QCOMPARE(main.statusBar()->currentMessage(), QString("Undid a skip: Owner 3 on the clock"));
        QVERIFY(board->table().rows[0][3].rfind("Marcus Smart (", 0) == 0);
        main.undoPick();
        main.settle();
        QCOMPARE(main.statusBar()->currentMessage(), QString("Undid #3 Marcus Smart, Owner 3"));
        // #3 runs up as round 1 did: Owner 3 picks #3 and #4, Owner 2 (mine) #5.
        QCOMPARE(clock(main), QString("Round 1 \u00b7 Pick 3 (#3) \u2014 Owner 3 on the clock "
                                      "\u00b7 you pick in 2"));
        QCOMPARE(board->table().rows[0][3], std::string());

        // The board exports whole, as a picture and as the command line's CSV.
        test::TempFolder folder;
        auto* page = main.boardPage();
        QVERIFY(page->exportPng(QString::fromStdString(folder.str() + "/board.png")));
        QVERIFY(QImage(QString::fromStdString(folder.str() + "/board.png")).width() > 200);
        QVERIFY(page->exportCsv(QString::fromStdString(folder.str() + "/board.csv")));
        QFile csv(QString::fromStdString(folder.str() + "/board.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readLine(), QByteArray("Round,Owner 1,Owner 2 (Mine),Owner 3\r\n"));
        const QByteArray firstRound = csv.readLine();
        QVERIFY(firstRound.startsWith("1,\"Steven Adams (C, RK "));
        QVERIFY(firstRound.contains(",\"Dennis Smith (G, RK "));
        QVERIFY(firstRound.endsWith("\",\r\n"));  // Owner 3's cell is empty again
        csv.close();

        // Saving again asks first; No keeps the file, Yes replaces it.
        const QString boardFile = QString::fromStdString(folder.str() + "/board.csv");
        QFile::resize(boardFile, 3);
        program.dialogs.answers = {false, true};
        QVERIFY(!page->exportCsv(boardFile));
        QCOMPARE(QFile(boardFile).size(), 3);
        QVERIFY(page->exportCsv(boardFile));
        QVERIFY(QFile(boardFile).size() > 3);
        QCOMPARE(program.dialogs.questions.size(), std::size_t{2});
        QCOMPARE(program.dialogs.questions[0].text,
                 folder.str() + "/board.csv already exists. Do you want to replace it?");
        // The league's own database is refused without a question, as a picture or as text.
        const QString database = QString::fromStdString(program.state.connectionString);
        QVERIFY(!page->exportPng(database));
        QVERIFY(!page->exportCsv(database));
        QCOMPARE(program.dialogs.questions.size(), std::size_t{2});
        QVERIFY(program.dialogs.lastText().find("is one of the draft program's own files") !=
                std::string::npos);
        QCOMPARE(program.scalar("select count(*) from DraftTeams"), 3.0);
    }

    void anAuctionBoardAddsUpMoneyAndSkipIsOff() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Money League", 2, true, true);  // position 1 is the user's
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QVERIFY(!child<QPushButton>(main, "cmd_skip")->isEnabled());
        pick(program, main, 5, "PG", "43");
        // $200 less 43 is 157; ten non-reserve slots less one filled leave nine to fill, eight
        // of them besides the next at the $1 minimum: 157 - 8 = 149.
        // Two rosters of 13 less one sale; the second team nominates next. None of the six
        // players has a dollar value above zero here, so there is no inflation to show.
        QCOMPARE(clock(main), QString("Owner 2 nominates \u00b7 25 to buy \u00b7 you $157 left, "
                                      "max bid $149"));
        QVERIFY(child<QLabel>(main, "lbl_clock")
                    ->toolTip()
                    .contains(
                        QString::fromUtf8("Last sale: Luka Don\u010di\u0107 to Owner 1 for $43")));
        const GridTable& board = gridModel(main, "dg_board")->table();
        const auto rowNamed = [&](const std::string& label) {
            for (const auto& row : board.rows) {
                if (row[0] == label) {
                    return row;
                }
            }
            return std::vector<std::string>{};
        };
        QCOMPARE(rowNamed("PG")[1], std::string("Luka Don\u010di\u0107 $43"));
        QCOMPARE(rowNamed("Spent")[1], std::string("$43"));
        QCOMPARE(rowNamed("Max Bid")[2], std::string("$191"));
        QCOMPARE(rowNamed("Spots Left")[1], std::string("12"));
    }

    void aPickByKeystrokesAloneClearsTheBoxes() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 3, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.refreshMain();
        main.fillSearchList();

        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
        auto* box = child<QLineEdit>(main, "txt_quickpick");
        QCOMPARE(QApplication::focusWidget(), box);
        // Accents need not be typed; the best-ranked guard comes first.
        QTest::keyClicks(box, "donc");
        QCOMPARE(main.quickPickBox()->offered(), std::vector<int>{5});
        QString slot;
        QString focused;
        const auto answered = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            slot = window->findChild<QComboBox*>("cmb_pos")->currentText();
            QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
            focused = target->objectName();
            QTest::keyClick(target, Qt::Key_Return);
        });
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(*answered);
        // The banner first, the lists once the screen is drawn.
        QTRY_VERIFY(!main.refreshPending());
        QCOMPARE(slot, QString("G"));
        QCOMPARE(focused, QString("cmd_addplayer"));
        QCOMPARE(program.scalar("select count(*) from DraftTaken where playerid = 5"), 1.0);
        QCOMPARE(box->text(), QString());
        // The drafted player is no longer offered, by either box.
        auto* search = child<QComboBox>(main, "cmb_search");
        QCOMPARE(search->currentText(), QString());
        QCOMPARE(search->findText(QString::fromUtf8("Don\u010di\u0107, Luka (DAL)")), -1);
        QTest::keyClicks(box, "donc");
        QVERIFY(main.quickPickBox()->offered().empty());

        // Ctrl+Z takes the pick back and says so, even from a text box with nothing to undo.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        search->lineEdit()->setFocus();
        QTest::keyClick(search->lineEdit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(main.statusBar()->currentMessage(),
                 QString::fromUtf8("Undid #1 Luka Don\u010di\u0107, Owner 1"));
    }

    void aGuardIsOfferedTheNextOpenSlotWhenGIsFull() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 3, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const int team = teamOnTheClock(*program.state.loadedDraft);
        program.exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder) "
            "values (1, 3, " +
            std::to_string(team) + ", 'G', 0)");
        QString slot;
        const auto seen = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            slot = window->findChild<QComboBox*>("cmb_pos")->currentText();
            qobject_cast<QDialog*>(window)->reject();
        });
        main.openAddPlayer(2);  // a guard listed at PG
        QVERIFY(*seen);
        QCOMPARE(slot, QString("PG"));
    }

    void valuesStandingsAndTargetsFollowAPickWithoutAButton() {
        test::TestProgram program;
        program.newDraft("Money League", 12, true, true);  // position 1 is the user's
        QVERIFY(importProjectionFile(
            program.state, program.dialogs,
            std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv"));
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        child<QCheckBox>(main, "ck_original")->setChecked(true);
        gui::GridTableModel* players = gridModel(main, "dg_freeagents");
        const auto valueOf = [&](const std::string& name) {
            const int column = players->table().columnIndex("Name");
            for (const auto& row : players->table().rows) {
                if (row[static_cast<std::size_t>(column)] == name) {
                    return std::stod(row[2]);
                }
            }
            return -1.0;
        };
        const double before = valueOf("Durant, Kevin");
        QVERIFY(before > 1.0);
        pick(program, main, 3879, "PG", "1");
        // The best player bought for a dollar leaves more money for the rest: inflation raises
        // the others at once.
        QVERIFY2(valueOf("Durant, Kevin") > before, "the value did not follow the pick");
        QCOMPARE(valueOf("Harden, James"), -1.0);
        // The targets tab shows the user's points at once: 2 * 843 + 378 + 754 = 2818.
        const auto actuals = main.findChildren<QLineEdit*>("txt_actual");
        const auto captions = main.findChildren<QLabel*>("lbl_target");
        bool shown = false;
        for (int i = 0; i < captions.size() && i < actuals.size(); ++i) {
            if (captions[i]->text() == "PTS") {
                QCOMPARE(actuals[i]->text(), QString("2818"));
                shown = true;
            }
        }
        QVERIFY(shown);
        QCOMPARE(gridModel(main, "dg_standings")->rowCount(), 12);
    }

    void aNewDraftOpensWithItsOwnFilterAndTheOldOneKeepsIts() {
        test::TestProgram program;
        addPlayers(program);
        const int first = program.newDraft("First League", 3, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        child<QPushButton>(main, "cmd_pos_5")->click();  // centres
        program.newDraft("Second League", 3, false, true);
        main.refreshMain();
        QCOMPARE(main.playerListView().positionFilter, std::string("All Players"));
        QVERIFY(child<QPushButton>(main, "cmd_pos_0")->isChecked());
        QCOMPARE(gridModel(main, "dg_freeagents")->rowCount(), 6);
        loadDraft(program.state, first);
        main.refreshMain();
        QVERIFY(child<QPushButton>(main, "cmd_pos_5")->isChecked());
        QCOMPARE(gridModel(main, "dg_freeagents")->rowCount(), 1);
    }

    void theWindowFitsASmallScreenAndHelpOpensApart() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 12, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QVERIFY2(main.minimumSizeHint().width() <= 1024,
                 qPrintable(QString::number(main.minimumSizeHint().width())));
        QVERIFY2(main.minimumSizeHint().height() <= 700,
                 qPrintable(QString::number(main.minimumSizeHint().height())));
        QCOMPARE(main.windowTitle(), QString("Quorvane Basketball Draft Software"));
        main.showHelp(HelpPage::Main);
        QVERIFY(main.helpWindow() != nullptr && main.helpWindow()->isVisible());
        main.helpWindow()->close();
    }
};

QTEST_MAIN(LiveDraftWindowTest)
#include "LiveDraftWindowTest.moc"
