// SPDX-License-Identifier: MIT
#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <string>
#include <vector>

#include "gui/app/FormMain.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/MainViewPage.h"
#include "gui/room/PlayerFlagMenu.h"
#include "gui/room/PlayerSearchBar.h"
#include "gui/room/ResearchPage.h"
#include "gui/support/ModalWindow.h"
#include "gui/widgets/WebPane.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "session/TurnConversation.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

// Five players of the projection season: two centres, a point guard, a shooting guard and a
// small forward, with games played that order them differently from their names.
void addPlayers(test::TestProgram& program) {
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, team, "
        "games, fgm, fga, ftm, fta, PG, SG, SF, C) values "
        "(1, 2019, 'Steven', 'Adams', 'C', 'OKC', 80, 400, 700, 100, 200, 0, 0, 0, 1),"
        "(2, 2019, 'Dennis', 'Smith', 'PG', 'DAL', 60, 300, 700, 100, 150, 1, 0, 0, 0),"
        "(3, 2019, 'Marcus', 'Smart', 'SG', 'BOS', 70, 250, 600, 80, 100, 0, 1, 0, 0),"
        "(4, 2019, 'Jaylen', 'Brown', 'SF', 'BOS', 75, 350, 750, 90, 120, 0, 0, 1, 0),"
        "(5, 2019, 'Jarrett', 'Allen', 'C', 'BKN', 82, 380, 600, 120, 180, 0, 0, 0, 1)");
}

QTableView* grid(gui::FormMain& main, const char* name) {
    return main.findChild<QTableView*>(name);
}

gui::GridTableModel* model(QTableView* view) {
    return qobject_cast<gui::GridTableModel*>(view->model());
}

// The Name column of every row of the available players.
std::vector<std::string> names(gui::FormMain& main) {
    const gui::GridTableModel* players = model(grid(main, "dg_freeagents"));
    const int column = players->table().columnIndex("Name");
    std::vector<std::string> result;
    for (const auto& row : players->table().rows) {
        result.push_back(row[static_cast<std::size_t>(column)]);
    }
    return result;
}

int rowOf(gui::FormMain& main, const std::string& name) {
    const std::vector<std::string> all = names(main);
    for (std::size_t row = 0; row < all.size(); ++row) {
        if (all[row] == name) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

QList<QLabel*> moneyLabels(gui::FormMain& main) {
    return main.findChildren<QLabel*>("lbl_owner");
}

QString boldMoneyLine(gui::FormMain& main) {
    for (QLabel* label : moneyLabels(main)) {
        if (label->font().bold()) {
            return label->text();
        }
    }
    return {};
}

int headingColumn(gui::FormMain& main, const std::string& heading) {
    return model(grid(main, "dg_freeagents"))->table().columnIndex(heading);
}

}  // namespace

class DraftRoomWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void refreshShowsAvailablePlayersMoneyAndRosterOfTheTeamOnTheClock() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();

        QCOMPARE(model(grid(main, "dg_freeagents"))->rowCount(), 5);
        QVERIFY(grid(main, "dg_freeagents")->isColumnHidden(0));
        QCOMPARE(moneyLabels(main).size(), 4);
        QCOMPARE(boldMoneyLine(main), QString(">>Owner 1"));
        auto* selector = main.findChild<QComboBox*>("cmb_roster");
        QCOMPARE(selector->count(), 4);
        QCOMPARE(selector->currentText(), QString("Owner 1"));
        QCOMPARE(main.rosterTeamId(), selector->currentData().toInt());
        // The default roster: 13 slot rows and no player yet.
        QCOMPARE(model(grid(main, "dg_roster"))->rowCount(), 13);

        // A pick leaves the grid and shows in the roster and the log; the turn moves on.
        const int team = main.rosterTeamId();
        const PickResult pick =
            recordPick(program.state, program.dialogs, 1, PickForm{team, "C", ""});
        QCOMPARE(int(pick.outcome), int(PickOutcome::Recorded));
        QVERIFY(pick.view);
        main.showRoomView(*pick.view);
        main.settle();
        QCOMPARE(rowOf(main, "Adams, Steven"), -1);
        // The roster follows the clock to the next team; the user looks back at his own.
        QCOMPARE(selector->currentText(), QString("Owner 2"));
        main.findChild<gui::MainViewPage*>()->showTeam(team);
        const GridTable& roster = model(grid(main, "dg_roster"))->table();
        bool onRoster = false;
        for (const auto& row : roster.rows) {
            onRoster =
                onRoster || (row[0] == "C" && row[3] == "Adams, Steven" && row[5] == "1.1.1");
        }
        QVERIFY(onRoster);
        const GridTable& log = model(main.findChild<QTableView*>("dg_drafted"))->table();
        QCOMPARE(log.rows.size(), std::size_t{1});
        QCOMPARE(log.rows[0][1], std::string("Steven Adams"));
        QCOMPARE(boldMoneyLine(main), QString(">>Owner 2"));
    }

    void anAuctionShowsMoneyLeftAndTheLargestBid() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Money League", 4, true, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const QList<QLabel*> labels = moneyLabels(main);
        QCOMPARE(labels.size(), 5);
        QCOMPARE(labels[0]->text(), QString("Owner - Amt (Max)"));
        QVERIFY(labels[0]->font().bold());
        // $200 to spend and ten open non-reserve slots: nine more players at the $1 minimum.
        QCOMPARE(labels[1]->text(), QString("Owner 1 - $200 (191)"));
        QCOMPARE(model(grid(main, "dg_freeagents"))->headerData(2, Qt::Horizontal).toString(),
                 QString("$"));
    }

    void aHeadingClickSortsAndKeepsThePositionFilter() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QHeaderView* headings = grid(main, "dg_freeagents")->horizontalHeader();

        emit headings->sectionClicked(headingColumn(main, "Name"));
        QCOMPARE(names(main),
                 (std::vector<std::string>{"Adams, Steven", "Allen, Jarrett", "Brown, Jaylen",
                                           "Smart, Marcus", "Smith, Dennis"}));
        main.findChild<QPushButton*>("cmd_pos_5")->click();
        QVERIFY(main.findChild<QPushButton*>("cmd_pos_5")->isChecked());
        QVERIFY(!main.findChild<QPushButton*>("cmd_pos_0")->isChecked());
        QCOMPARE(names(main), (std::vector<std::string>{"Adams, Steven", "Allen, Jarrett"}));
        emit headings->sectionClicked(headingColumn(main, "GP"));
        QCOMPARE(names(main), (std::vector<std::string>{"Allen, Jarrett", "Adams, Steven"}));
        main.findChild<QPushButton*>("cmd_pos_1")->click();
        QCOMPARE(names(main), (std::vector<std::string>{"Smart, Marcus", "Smith, Dennis"}));
    }

    void theFlagPopUpColoursTheRowAndChoosingTheSameFlagClearsIt() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        auto* page = main.findChild<gui::MainViewPage*>();
        gui::GridTableModel* players = model(grid(main, "dg_freeagents"));
        auto* sleeper = main.findChild<QAction*>("mnuSleeper");
        auto* bust = main.findChild<QAction*>("mnuBust");
        const auto background = [&](int row) {
            return players->data(players->index(row, 3), Qt::BackgroundRole)
                .value<QBrush>()
                .color();
        };

        int row = rowOf(main, "Smart, Marcus");
        page->openFlagMenu(row, QPoint(10, 10));
        QVERIFY(!sleeper->isChecked());
        sleeper->trigger();
        QCOMPARE(background(row), QColor(0x00, 0xFF, 0x00));
        QCOMPARE(program.scalar("select flag from DraftPlayers where playerid = 3"), 1.0);

        // A fill shows the stored flag; the pop-up then ticks it, and choosing it again clears it.
        main.refreshMain();
        row = rowOf(main, "Smart, Marcus");
        QCOMPARE(background(row), QColor(0x00, 0xFF, 0x00));
        page->openFlagMenu(row, QPoint(10, 10));
        QVERIFY(sleeper->isChecked());
        QVERIFY(!bust->isChecked());
        sleeper->trigger();
        QCOMPARE(background(row), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(program.scalar("select flag from DraftPlayers where playerid = 3"), 0.0);

        page->openFlagMenu(row, QPoint(10, 10));
        bust->trigger();
        QCOMPARE(background(row), QColor(0xFF, 0x80, 0x80));
        QCOMPARE(program.scalar("select flag from DraftPlayers where playerid = 3"), 2.0);
        page->flagMenu()->hide();
    }

    void notesTypedInTheGridAndTheNotesBoxAreSaved() {
        test::TestProgram program;
        addPlayers(program);
        const int draft = program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        gui::GridTableModel* players = model(grid(main, "dg_freeagents"));
        const int row = rowOf(main, "Brown, Jaylen");
        const int notes = players->table().columnIndex("Notes");
        QVERIFY(players->flags(players->index(row, notes)) & Qt::ItemIsEditable);
        QVERIFY(!(players->flags(players->index(row, 2)) & Qt::ItemIsEditable));
        QVERIFY(players->setData(players->index(row, notes), QString("O'Neal-like upside")));
        QCOMPARE(readScalar<std::string>(program.state.dbConnection,
                                         "select notes from DraftPlayers where playerid = 4"),
                 std::optional<std::string>("O'Neal-like upside"));

        auto* box = main.findChild<QPlainTextEdit*>("txt_notes");
        box->setPlainText("Trade the third pick");
        QFocusEvent lost(QEvent::FocusOut);
        QCoreApplication::sendEvent(box, &lost);
        QCOMPARE(readScalar<std::string>(
                     program.state.dbConnection,
                     "select notes from DraftNotes where template_id = " + std::to_string(draft)),
                 std::optional<std::string>("Trade the third pick"));
    }

    void searchCompletesTheNameAndBackspaceDoesNotCompleteAgain() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.fillSearchList();
        auto* search = main.findChild<gui::PlayerSearchBar*>();
        QLineEdit* edit = main.findChild<QComboBox*>("cmb_search")->lineEdit();
        QSignalSpy picks(search, &gui::PlayerSearchBar::addPlayerRequested);
        QSignalSpy customs(search, &gui::PlayerSearchBar::customPlayerRequested);
        test::ModalCloser closer;

        QTest::keyClicks(edit, "sma");
        QCOMPARE(edit->text(), QString("smart, Marcus (BOS)"));
        QCOMPARE(edit->selectedText(), QString("rt, Marcus (BOS)"));
        QCOMPARE(search->plid(), 3);
        main.findChild<QPushButton*>("cmd_addplayer")->click();
        QCOMPARE(picks.size(), 1);
        QCOMPARE(picks.at(0).at(0).toInt(), 3);

        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("sma"));
        QCOMPARE(search->plid(), 0);
        main.findChild<QPushButton*>("cmd_addplayer")->click();
        QCOMPARE(customs.size(), 1);
        QCOMPARE(closer.closed, (std::vector<QString>{"form_addplayer", "form_newPlayer"}));

        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("sm"));
        QTest::keyClicks(edit, "i");
        QCOMPARE(edit->text(), QString("smith, Dennis (DAL)"));
        QCOMPARE(search->plid(), 2);
    }

    void researchListsAvailableOrTakenPlayersAndSortsByHeading() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        test::ModalCloser closer;
        main.refreshMain();
        const int team = main.rosterTeamId();
        recordPick(program.state, program.dialogs, 1, PickForm{team, "C", ""});
        main.resetResearchGrid();
        QTableView* research = grid(main, "dg_research");
        const auto column = [&](const std::string& heading) {
            const GridTable& table = model(research)->table();
            const int index = table.columnIndex(heading);
            std::vector<std::string> cells;
            for (const auto& row : table.rows) {
                cells.push_back(row[static_cast<std::size_t>(index)]);
            }
            return cells;
        };
        QCOMPARE(column("Name").size(), std::size_t{4});

        emit research->horizontalHeader()->sectionClicked(
            model(research)->table().columnIndex("GP"));
        QCOMPARE(column("Name"), (std::vector<std::string>{"Allen, Jarrett", "Brown, Jaylen",
                                                           "Smart, Marcus", "Smith, Dennis"}));
        auto* page = main.findChild<gui::ResearchPage*>();
        QSignalSpy adds(page, &gui::ResearchPage::addPlayerRequested);
        emit research->doubleClicked(research->model()->index(0, 3));
        QCOMPARE(adds.size(), 1);
        QCOMPARE(adds.at(0).at(0).toInt(), 5);

        main.findChild<QRadioButton*>("optTaken")->click();
        QCOMPARE(column("Name"), (std::vector<std::string>{"Adams, Steven"}));
        QCOMPARE(column("Team Name"), (std::vector<std::string>{"Owner 1"}));
        // Taken players are not offered for a pick.
        emit research->doubleClicked(research->model()->index(0, 3));
        QCOMPARE(adds.size(), 1);
    }

    void aClickShowsTheProjectedPlayersPageButNoneForTheUsersOwnPlayers() {
        test::TestProgram program;
        addPlayers(program);
        program.exec(
            "insert into DraftPlayers (playerid, yearofprojection, firstname, lastname, pos, "
            "team, games) values (20000, 2019, 'Local', 'Hero', 'SF', 'FA', 10)");
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QTableView* players = grid(main, "dg_freeagents");
        emit players->clicked(players->model()->index(rowOf(main, "Allen, Jarrett"), 3));
        QVERIFY(main.webPane()->toPlainText().contains("Allen"));
        emit players->clicked(players->model()->index(rowOf(main, "Hero, Local"), 3));
        QVERIFY(!main.webPane()->toPlainText().contains("Hero"));
        QVERIFY(main.webPane()->toPlainText().contains("Allen"));
    }

    void skipThenUndoMovesTheTurnOnAndBack() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        QCOMPARE(teamOnTheClock(*program.state.loadedDraft), main.rosterTeamId());
        const int first = teamOnTheClock(*program.state.loadedDraft);

        main.findChild<QPushButton*>("cmd_skip")->click();
        QCOMPARE(boldMoneyLine(main), QString(">>Owner 2"));
        QVERIFY(teamOnTheClock(*program.state.loadedDraft) != first);
        QCOMPARE(main.rosterTeamId(), teamOnTheClock(*program.state.loadedDraft));

        main.findChild<QPushButton*>("cmd_undopick")->click();
        QCOMPARE(boldMoneyLine(main), QString(">>Owner 1"));
        QCOMPARE(teamOnTheClock(*program.state.loadedDraft), first);
    }

    void aPickMadeThroughTheAddPlayerWindowMovesThePlayerAndTheTurn() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const int first = teamOnTheClock(*program.state.loadedDraft);
        QString shownTeam;
        QString shownSlot;
        const auto answered = test::whenModalShown("form_addplayer", [&](QWidget* window) {
            shownTeam = window->findChild<QComboBox*>("cmb_team")->currentText();
            shownSlot = window->findChild<QComboBox*>("cmb_pos")->currentText();
            window->findChild<QPushButton*>("cmd_addplayer")->click();
        });
        QTableView* players = grid(main, "dg_freeagents");
        emit players->doubleClicked(players->model()->index(rowOf(main, "Allen, Jarrett"), 3));
        QVERIFY(*answered);
        QCOMPARE(shownTeam, QString("Owner 1"));
        QCOMPARE(shownSlot, QString("C"));
        QCOMPARE(rowOf(main, "Allen, Jarrett"), -1);
        QVERIFY(teamOnTheClock(*program.state.loadedDraft) != first);
        bool onRoster = false;
        for (const auto& row : model(grid(main, "dg_roster"))->table().rows) {
            for (const auto& cell : row) {
                onRoster = onRoster || cell.find("Allen") != std::string::npos;
            }
        }
        QVERIFY(onRoster || main.rosterTeamId() != first);
        // The draft log is brought up to date once the screen is drawn.
        main.settle();
        QCOMPARE(model(grid(main, "dg_drafted"))->table().rows.size(), std::size_t{1});
    }

    void doubleClicksAskForTheAddAndMoveWindows() {
        test::TestProgram program;
        addPlayers(program);
        program.newDraft("Snake League", 4, false, true);
        gui::FormMain main(program.state, program.dialogs);
        test::ModalCloser closer;
        main.refreshMain();
        auto* page = main.findChild<gui::MainViewPage*>();
        QSignalSpy adds(page, &gui::MainViewPage::addPlayerRequested);
        QSignalSpy moves(page, &gui::MainViewPage::movePlayerRequested);
        QTableView* players = grid(main, "dg_freeagents");
        emit players->doubleClicked(players->model()->index(rowOf(main, "Allen, Jarrett"), 3));
        QCOMPARE(adds.size(), 1);
        QCOMPARE(adds.at(0).at(0).toInt(), 5);

        // An empty slot asks for nothing; a player's row asks to move him.
        QTableView* roster = grid(main, "dg_roster");
        emit roster->doubleClicked(roster->model()->index(0, 3));
        QCOMPARE(moves.size(), 0);
        const int team = main.rosterTeamId();
        const PickResult pick =
            recordPick(program.state, program.dialogs, 2, PickForm{team, "PG", ""});
        main.showRoomView(*pick.view);
        main.settle();
        // The roster has followed the clock to the next team; the user looks back at this one.
        page->showTeam(team);
        const GridTable& rosterRows = model(roster)->table();
        for (std::size_t row = 0; row < rosterRows.rows.size(); ++row) {
            if (rosterRows.rows[row][0] == "PG") {
                emit roster->doubleClicked(roster->model()->index(static_cast<int>(row), 3));
            }
        }
        QCOMPARE(moves.size(), 1);
        QCOMPARE(moves.at(0).at(0).toInt(), 2);
    }
};

QTEST_MAIN(DraftRoomWindowTest)
#include "DraftRoomWindowTest.moc"
