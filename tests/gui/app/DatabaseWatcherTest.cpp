// SPDX-License-Identifier: MIT
#include <QDialog>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "CliRunner.h"
#include "gui/app/DatabaseWatcher.h"
#include "gui/app/FormMain.h"
#include "gui/models/GridTableModel.h"
#include "model/DraftLoader.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

// A snake draft of three teams and four players.
int prepareDraft(test::TestProgram& program) {
    const int draft = program.newDraft("Watched League", 3, false, true);
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, fga, PG, C) values "
        "(1, 2019, 'Steven', 'Adams', 'C', 'OKC', 80, 400, 700, 0, 1),"
        "(2, 2019, 'Dennis', 'Smith', 'PG', 'DAL', 60, 300, 700, 1, 0),"
        "(3, 2019, 'Marcus', 'Smart', 'PG', 'BOS', 70, 250, 600, 1, 0),"
        "(4, 2019, 'Jarrett', 'Allen', 'C', 'BKN', 82, 380, 600, 0, 1)");
    loadDraft(program.state, draft);
    return draft;
}

// Another program: the command line on the same data folder.
int commandLine(const test::TestProgram& program, const std::vector<std::string>& arguments) {
    return test::runCliOn(program.folder.str(), arguments).status;
}

int availablePlayers(gui::FormMain& main) {
    const auto* view = main.findChild<QTableView*>("dg_freeagents");
    return view->model()->rowCount();
}

}  // namespace

class DatabaseWatcherTest : public QObject {
    Q_OBJECT
  private slots:
    void followsAnotherProgramButNotItsOwnWrites() {
        test::TestProgram program;
        prepareDraft(program);
        gui::DatabaseWatcher watcher(program.state, program.dialogs);
        QSignalSpy changed(&watcher, &gui::DatabaseWatcher::changedElsewhere);
        QSignalSpy players(&watcher, &gui::DatabaseWatcher::playersChangedElsewhere);
        watcher.check();  // notes where the file stands

        program.exec("update DraftNotes set notes = 'own words'");
        watcher.check();
        QCOMPARE(changed.count(), 0);

        // A pick by another program moves the turn to the second team.
        QCOMPARE(commandLine(program, {"pick", "Watched League", "1"}), 0);
        watcher.check();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(players.count(), 0);
        int onTheClock = 0;
        for (const DraftTeam& team : program.state.draftSettings()->draftTeams) {
            onTheClock = team.currentpick == 1 ? team.draftposition : onTheClock;
        }
        QCOMPARE(onTheClock, 2);
        watcher.check();
        QCOMPARE(changed.count(), 1);

        // Another window's value run writes the same figures this one shows: no refresh, or two
        // open windows would refresh each other for ever.
        QCOMPARE(commandLine(program, {"values", "Watched League"}), 0);
        watcher.check();
        QCOMPARE(changed.count(), 1);

        QCOMPARE(commandLine(program, {"add-player", "--first", "New", "--last", "Guy", "--pos",
                                       "C", "--nba-team", "BOS"}),
                 0);
        watcher.check();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(players.count(), 1);
    }

    void waitsForAnOpenModalWindowToClose() {
        test::TestProgram program;
        prepareDraft(program);
        gui::DatabaseWatcher watcher(program.state, program.dialogs);
        QSignalSpy changed(&watcher, &gui::DatabaseWatcher::changedElsewhere);
        watcher.check();
        QCOMPARE(commandLine(program, {"skip", "Watched League"}), 0);

        QDialog modal;
        QTimer::singleShot(0, &modal, [&] {
            watcher.check();
            QCOMPARE(changed.count(), 0);
            modal.accept();
        });
        modal.exec();
        watcher.check();
        QCOMPARE(changed.count(), 1);
    }

    void aCommandLinePickAppearsInTheOpenWindowWithinASecond() {
        test::TestProgram program;
        prepareDraft(program);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QCOMPARE(availablePlayers(main), 4);
        QTest::qWait(2 * static_cast<int>(gui::DatabaseWatcher::kInterval.count()));

        QCOMPARE(commandLine(program, {"pick", "Watched League", "4"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(availablePlayers(main), 3, 1000);
        QVERIFY(program.dialogs.messages.empty());
    }
};

QTEST_MAIN(DatabaseWatcherTest)
#include "DatabaseWatcherTest.moc"
