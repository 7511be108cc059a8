// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include <memory>
#include <string>

#include "draftconfig/DraftList.h"
#include "gui/app/FormMain.h"
#include "gui/app/PracticeSession.h"
#include "gui/support/ModalWindow.h"
#include "gui/widgets/ElidedLabel.h"
#include "model/DraftLoader.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeRun.h"
#include "projections/ProjectionImport.h"
#include "room/Keepers.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "session/DraftConversation.h"
#include "session/KeeperConversation.h"
#include "session/PracticeConversation.h"
#include "session/ProjectionConversation.h"
#include "session/RoomRefresh.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

// The bots and the window share two loaded cores on a test machine: the waits are bounds,
// never delays, so they are generous.
constexpr int kBotsWaitMs = 60000;

bool importSample(test::TestProgram& program) {
    return importProjectionFile(program.state, program.dialogs,
                                std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv")
        .has_value();
}

int teamAt(test::TestProgram& program, int templateId, int position) {
    return static_cast<int>(program.scalar(
        "select teamid from DraftTeams where template_id = " + std::to_string(templateId) +
        " and draftposition = " + std::to_string(position)));
}

// Starts a practice of the open draft through Draft ▸ Practice Draft…, the bots at a pace of
// the dialog's list (0: instant, 1: 1 s a pick).
void startPractice(gui::FormMain& main, int pace) {
    const auto answered = test::whenModalShown("form_practice_draft", [pace](QWidget* window) {
        window->findChild<QComboBox*>("cmb_pace")->setCurrentIndex(pace);
        window->findChild<QPushButton*>("cmd_start")->click();
    });
    main.findChild<QAction*>("mnuPracticeDraft")->trigger();
    QVERIFY(*answered);
}

// The user's pick in the pick window: the first player of the list, for the team the window
// offers (the one on the clock).
void pickFirstPlayer(gui::FormMain& main, test::TestProgram& program) {
    const auto players =
        fillAvailablePlayers(program.state, listShowing(program.state), "All Players", 0);
    QVERIFY(players && !players->rows.empty());
    const auto added = test::whenModalShown("form_addplayer", [](QWidget* window) {
        window->findChild<QPushButton*>("cmd_addplayer")->click();
    });
    // The best player left may fit no open slot of the user's team (the bots' picks vary): the
    // user then says Yes to the slot question, as one who wants him anyway.
    program.dialogs.answers.assign(2, true);
    main.pickPlayer(std::stoi(players->rows.front().front()));
    program.dialogs.answers.clear();
    QVERIFY(*added);
}

// A draft with the sample projections, the main window on it and, once started, the practice
// the window runs: `practice` is its draft and `taken` counts its picks.
class PracticeWindow {
  public:
    test::TestProgram program;
    int real = 0;
    int practice = 0;

    // Imports the sample projections and opens the draft `draft`.
    bool open(int draft) {
        real = draft;
        return importSample(program) && loadDraft(program.state, real);
    }
    gui::FormMain& showMain() {
        m_main = std::make_unique<gui::FormMain>(program.state, program.dialogs);
        m_main->show();
        return *m_main;
    }
    // Refreshes the room and starts the practice at the dialog's pace `pace`.
    void start(int pace) {
        m_main->refreshMain();
        startPractice(*m_main, pace);
        practice = program.state.draftSettings()->template_id;
    }
    double taken() {
        return program.scalar("select count(*) from DraftTaken where template_id = " +
                              std::to_string(practice));
    }
    int practiceTeamAt(int position) { return teamAt(program, practice, position); }

  private:
    std::unique_ptr<gui::FormMain> m_main;
};

// A three-team snake of four rounds (PG, C, UT, UT), the user at position 1.
int fourRoundSnake(test::TestProgram& program) {
    const int real = program.newDraft("Short League", 3, false, true);
    program.exec(
        "update DraftRoster set PG = 1, SG = 0, G = 0, SF = 0, PF = 0, F = 0, C = 1, UT = 2, "
        "R = 0 where template_id = " +
        std::to_string(real));
    program.exec("update DraftTemplate set rounds = 4 where template_id = " + std::to_string(real));
    return real;
}

}  // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Three teams, cap $200, minimum bid $1, 13 places. Owner 2 kept a player for $185 and has
    // 200 - 185 = 15 for 12 places: he may bid 15 - 11 × 1 = 4. Owner 3 kept one for $180:
    // 20 - 11 = 9. Each bot's limit for a star is its largest allowed bid.
    void theUsersTypedLimitBuysAtTheSecondPriceAndAPassLetsTheBotsBuy() {
        PracticeWindow room;
        test::TestProgram& program = room.program;
        const int real = program.newDraft("Money League", 3, true, true);
        QVERIFY(room.open(real));
        const int second = teamAt(program, real, 2);
        const int third = teamAt(program, real, 3);
        QCOMPARE(addKeeper(program.state, program.dialogs, 3115, second, "F", "185"),
                 KeeperOutcome::Added);
        QCOMPARE(addKeeper(program.state, program.dialogs, 3165, third, "F", "180"),
                 KeeperOutcome::Added);
        gui::FormMain& main = room.showMain();
        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        room.start(0);
        const int practice = room.practice;
        QVERIFY(practice != real);
        const auto priceOf = [&](int playerid) {
            return program.scalar(
                "select dollars from DraftTaken where template_id = " + std::to_string(practice) +
                " and playerid = " + std::to_string(playerid));
        };

        // Sale 1 is the user's to nominate (position 1): the bots wait for him.
        auto* bar = main.findChild<QWidget*>("practice_bid");
        auto* limit = main.findChild<QLineEdit*>("txt_limit");
        QTRY_VERIFY_WITH_TIMEOUT(main.statusBar()->currentMessage().startsWith("Your nomination"),
                                 kBotsWaitMs);
        QVERIFY(bar->isHidden());
        QCOMPARE(room.taken(), 2.0);
        // The practice dialog gave the keyboard back to the window.
        QApplication::setActiveWindow(&main);
        main.pickPlayer(3879);
        QTRY_VERIFY(bar->isVisible());
        QVERIFY(main.findChild<QLabel*>("lbl_sale")->text().contains("Harden"));
        QVERIFY(limit->hasFocus());

        // He may bid 200 - 12 × 1 = 188.
        QTest::keyClicks(limit, "189");
        QTest::keyClick(limit, Qt::Key_Return);
        QCOMPARE(program.dialogs.lastText(),
                 std::string("Your limit is outside 0 to 188: type whole dollars, 0 to pass."));
        QVERIFY(bar->isVisible());
        limit->clear();
        QTest::keyClicks(limit, "45");
        QTest::keyClick(limit, Qt::Key_Return);
        // His 45 against 4 and 9: he buys at 9 + 1 = 10.
        QTRY_COMPARE_WITH_TIMEOUT(priceOf(3879), 10.0, kBotsWaitMs);
        QCOMPARE(program.scalar("select teamid from DraftTaken where template_id = " +
                                std::to_string(practice) + " and playerid = 3879"),
                 static_cast<double>(room.practiceTeamAt(1)));

        // Sale 2 is Owner 2's nomination; the bots wait for the user's limit again, and the room
        // shows the sale: 200 - 10 = 190 left.
        QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible(), kBotsWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            main.findChild<gui::ElidedLabel*>("lbl_clock")->fullText().contains("$190 left"), 5000);
        QCOMPARE(room.taken(), 3.0);
        const std::string up = main.findChild<QLabel*>("lbl_sale")->text().toStdString();
        QVERIFY2(up.find("nominated by Owner 2") != std::string::npos, up.c_str());
        // He passes: Owner 3's 9 beats Owner 2's 4 and pays 4 + 1 = 5.
        QTest::keyClicks(limit, "0");
        QTest::keyClick(limit, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(room.taken(), 4.0, kBotsWaitMs);
        QCOMPARE(program.scalar("select teamid from DraftTaken where template_id = " +
                                std::to_string(practice) + " order by draftorder desc limit 1"),
                 static_cast<double>(room.practiceTeamAt(3)));
        QCOMPARE(program.scalar("select dollars from DraftTaken where template_id = " +
                                std::to_string(practice) + " order by draftorder desc limit 1"),
                 5.0);
        // The real draft keeps its two keepers only.
        QCOMPARE(program.scalar("select count(*) from DraftTaken where template_id = " +
                                std::to_string(real)),
                 2.0);
    }

    // Three teams: the user holds pick 1 and his next turn is pick 6 (1, 2, 3, 3, 2, 1). His
    // pick in the pick window hands the turn to the bots, who make picks 2 to 5 and stop.
    void theUsersOwnPickHandsTheTurnBackToTheBots() {
        PracticeWindow room;
        test::TestProgram& program = room.program;
        QVERIFY(room.open(program.newDraft("Snake League", 3, false, true)));
        gui::FormMain& main = room.showMain();
        room.start(0);
        const int practice = room.practice;
        QTest::qWait(300);
        QCOMPARE(room.taken(), 0.0);

        const auto added = test::whenModalShown("form_addplayer", [](QWidget* window) {
            window->findChild<QPushButton*>("cmd_addplayer")->click();
        });
        main.pickPlayer(3879);
        QVERIFY(*added);
        QTRY_COMPARE_WITH_TIMEOUT(room.taken(), 5.0, kBotsWaitMs);
        QTest::qWait(300);
        QCOMPARE(room.taken(), 5.0);
        QCOMPARE(program.scalar("select teamid from DraftTaken where template_id = " +
                                std::to_string(practice) + " and draftorder = 5"),
                 static_cast<double>(room.practiceTeamAt(2)));
    }

    // Turns 1, 6, 7 and 12 are the user's; the bots make the other eight at once and the grade
    // page ends the practice, all within a few seconds of the event loop (the window follows
    // every pick, or several together when they come faster than it draws).
    void anInstantPracticeRunsToItsGradePage() {
        PracticeWindow room;
        test::TestProgram& program = room.program;
        QVERIFY(room.open(fourRoundSnake(program)));
        gui::FormMain& main = room.showMain();
        room.start(0);
        const int practice = room.practice;
        const int mine = room.practiceTeamAt(1);
        // A practice says so in the title and first in the banner.
        QVERIFY2(main.windowTitle().startsWith("Practice of Short League"),
                 qPrintable(main.windowTitle()));
        const QString banner = main.findChild<gui::ElidedLabel*>("lbl_clock")->fullText();
        QVERIFY2(banner.startsWith(QString::fromUtf8("Practice \u00b7 ")), qPrintable(banner));
        // The grade page opens wide enough to read: 48 average characters at the least.
        int gradeWidth = 0;
        int character = 0;
        const auto graded = test::whenModalShown(
            "practice_grade",
            [&](QWidget* page) {
                gradeWidth = page->width();
                character = page->fontMetrics().averageCharWidth();
                qobject_cast<QDialog*>(page)->accept();
            },
            kBotsWaitMs);
        QElapsedTimer elapsed;
        elapsed.start();
        while (!*graded && elapsed.elapsed() < kBotsWaitMs) {
            QTest::qWait(20);
            if (teamOnTheClock(*program.state.loadedDraft) == mine && !main.refreshPending() &&
                room.taken() < 12.0) {
                pickFirstPlayer(main, program);
            }
        }
        QVERIFY(*graded);
        QVERIFY2(gradeWidth >= 48 * character, qPrintable(QString::number(gradeWidth)));
        QVERIFY2(elapsed.elapsed() < 10000, qPrintable(QString::number(elapsed.elapsed())));
        QCOMPARE(room.taken(), 12.0);
        QCOMPARE(program.scalar("select count(*) from DraftTaken where template_id = " +
                                std::to_string(practice) + " and teamid = " + std::to_string(mine)),
                 4.0);
    }

    // The bots pick a second apart. The user's pick of turn 1 hands them the turn; before their
    // first pick he records turn 2 by hand for position 2, the team on the clock. The bots see
    // it: they make turns 3, 4 and 5 for positions 3, 3 and 2 and stop at his turn 6.
    void aPickRecordedByHandWhileTheBotsWaitIsTheirsToSee() {
        PracticeWindow room;
        test::TestProgram& program = room.program;
        QVERIFY(room.open(program.newDraft("Snake League", 3, false, true)));
        gui::FormMain& main = room.showMain();
        room.start(1);
        const int practice = room.practice;
        const auto teamOfTurn = [&](int turn) {
            return static_cast<int>(program.scalar(
                "select teamid from DraftTaken where template_id = " + std::to_string(practice) +
                " and draftorder = " + std::to_string(turn)));
        };
        const auto* bots = main.findChild<gui::PracticeSession*>();
        pickFirstPlayer(main, program);
        QVERIFY(bots->botsRunning());
        pickFirstPlayer(main, program);
        QCOMPARE(room.taken(), 2.0);
        QCOMPARE(teamOfTurn(2), room.practiceTeamAt(2));
        QTRY_COMPARE_WITH_TIMEOUT(room.taken(), 5.0, kBotsWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!bots->botsRunning(), 5000);
        QCOMPARE(room.taken(), 5.0);
        QCOMPARE(teamOfTurn(3), room.practiceTeamAt(3));
        QCOMPARE(teamOfTurn(4), room.practiceTeamAt(3));
        QCOMPARE(teamOfTurn(5), room.practiceTeamAt(2));
        QVERIFY2(program.dialogs.messages.empty(), program.dialogs.lastText().c_str());
    }

    // Three teams of 13: pick 39 is the third team's (round 13 runs 1, 2, 3). An undo of it
    // after the grade page puts a bot on the clock: the bots pick it again and the grade page
    // comes back.
    void anUndoAfterTheEndStartsTheBotsAgain() {
        PracticeWindow room;
        test::TestProgram& program = room.program;
        QVERIFY(room.open(program.newDraft("Snake League", 3, false, true)));
        const Outcome<int> practice = createPractice(program.state, {room.real, "Drill", 7, false});
        QVERIFY(practice.ok());
        room.practice = *practice;
        QVERIFY(openSelectedDraft(program.state, program.dialogs, *practice));
        PracticeRunOptions toEnd;
        toEnd.toEnd = true;
        QCOMPARE(runPracticeTold(program.state, program.dialogs, toEnd).stop,
                 PracticeStop::DraftOver);
        QCOMPARE(room.taken(), 39.0);

        gui::FormMain& main = room.showMain();
        int gradePages = 0;
        // Thirteen picks against ADP are taller than the screen: the page scrolls instead of
        // reaching past it with its button.
        bool fitsTheScreen = false;
        const auto closeGrade = [&gradePages, &fitsTheScreen](QWidget* page) {
            ++gradePages;
            fitsTheScreen =
                page->frameGeometry().height() <= page->screen()->availableGeometry().height() &&
                page->findChild<QTextBrowser*>("txt_grade")
                    ->toPlainText()
                    .contains("Your picks against ADP");
            qobject_cast<QDialog*>(page)->accept();
        };
        auto shown = test::whenModalShown("practice_grade", closeGrade, kBotsWaitMs);
        main.refreshMain();
        QTRY_VERIFY_WITH_TIMEOUT(*shown, kBotsWaitMs);
        QCOMPARE(gradePages, 1);
        QVERIFY(fitsTheScreen);

        shown = test::whenModalShown("practice_grade", closeGrade, kBotsWaitMs);
        main.findChild<QAction*>("mnuUndoPick")->trigger();
        QCOMPARE(room.taken(), 38.0);
        QTRY_VERIFY_WITH_TIMEOUT(*shown, kBotsWaitMs);
        QCOMPARE(room.taken(), 39.0);
        QCOMPARE(gradePages, 2);
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "PracticeWindowTest.moc"
