// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <fstream>
#include <sstream>

#include "RecordingRoomView.h"
#include "gui/room/FormAddKeepers.h"
#include "gui/room/FormAddPlayer.h"
#include "gui/room/FormExportDir.h"
#include "gui/room/FormMovePlayer.h"
#include "gui/room/FormNewPlayer.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/NamedChild.h"
#include "projections/ProjectionImport.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/Rosters.h"
#include "session/ProjectionConversation.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;
using quorvane::test::child;
using quorvane::test::RecordingRoomView;
using quorvane::test::TestProgram;

namespace {

constexpr int kNowitzki = 3115;  // "F", DAL
constexpr int kCrawford = 3257;  // "G", PHO

// A draft of the new-draft defaults (13 slots: PG, SG, G, SF, PF, F, 2 C, 2 UT, 3 R) on the
// sample projections.
struct RoomProgram : TestProgram {
    RoomProgram(int teams, bool auction) {
        draftId = newDraft("Room", teams, auction, true);
        if (!importProjectionFile(
                state, dialogs,
                std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv")) {
            qFatal("the sample projections did not import");
        }
    }
    int teamAt(int draftposition) const {
        for (const DraftTeam& team : state.draftSettings()->draftTeams) {
            if (team.draftposition == draftposition) {
                return team.teamid;
            }
        }
        return 0;
    }
    double count(const std::string& where) {
        return scalar("select count(*) from DraftTaken where " + where);
    }
    int draftId = 0;
};

// Records a pick through core, in the slot the add-player window would offer.
bool pick(RoomProgram& program, int playerid, int teamid) {
    PickForm form;
    form.teamid = teamid;
    form.pos = fillPosition(program.state, playerid).selectedText();
    return recordPick(program.state, program.dialogs, playerid, form).outcome ==
           PickOutcome::Recorded;
}

bool listsPlayer(const GridTable& grid, int playerid) {
    for (const auto& row : grid.rows) {
        if (!row.empty() && row[0] == std::to_string(playerid)) {
            return true;
        }
    }
    return false;
}

int rowOfPlayer(QTableView& grid, int playerid) {
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        if (grid.model()->index(row, 0).data().toString() == QString::number(playerid)) {
            return row;
        }
    }
    return -1;
}

QStringList rowHeaders(QTableView& grid) {
    QStringList headers;
    for (int row = 0; row < grid.model()->rowCount(); ++row) {
        headers << grid.model()->headerData(row, Qt::Vertical).toString();
    }
    return headers;
}

}  // namespace

class RoomDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void addPlayerRecordsThePickForTheTeamOnTheClockAndMovesTheTurn() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        view.rosterTeam = program.teamAt(1);
        gui::FormAddPlayer form(program.state, program.dialogs, view, kNowitzki);
        QCOMPARE(form.objectName(), QString("form_addplayer"));
        QCOMPARE(child<QLabel>(form, "lbl_player")->text(), QString("Dirk Nowitzki (DAL)"));
        auto* team = child<QComboBox>(form, "cmb_team");
        QCOMPARE(team->count(), 10);
        QCOMPARE(team->currentData().toInt(), program.teamAt(1));
        QCOMPARE(child<QComboBox>(form, "cmb_pos")->currentText(), QString("F"));
        QVERIFY(child<QLineEdit>(form, "txt_dollars")->isHidden());
        // The roster shows the team's slots in listing order, labelled in the row header.
        auto* roster = child<QTableView>(form, "dg_roster");
        QCOMPARE(rowHeaders(*roster), QStringList({"G", "PG", "SG", "F", "SF", "PF", "C", "C", "UT",
                                                   "UT", "R", "R", "R"}));

        form.show();
        child<QPushButton>(form, "cmd_addplayer")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        QCOMPARE(program.count("playerid = 3115 and draftorder = 1 and pos = 'F' and teamid = " +
                               std::to_string(program.teamAt(1))),
                 1.0);
        QCOMPARE(teamOnTheClock(*program.state.loadedDraft), program.teamAt(2));
        QCOMPARE(view.refreshes, 0);
        QCOMPARE(view.shown.size(), std::size_t{1});
        const RoomView& shown = view.shown.front();
        // At once the money list; the lists follow with the room's refresh.
        QVERIFY(shown.money && !shown.availablePlayers && !shown.draftLog);
        const std::optional<GridTable> log = fillDraftLog(program.state);
        QVERIFY(log && log->rows.size() == 1);
        QVERIFY(listsPlayer(getTeamRoster(program.state, program.teamAt(1)).grid.table, kNowitzki));
    }

    void choosingAnotherTeamShowsItsRosterAndRecordsForIt() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        QVERIFY(pick(program, kCrawford, program.teamAt(3)));
        gui::FormAddPlayer form(program.state, program.dialogs, view, kNowitzki);
        auto* roster = child<QTableView>(form, "dg_roster");
        QCOMPARE(rowOfPlayer(*roster, kCrawford), -1);
        auto* team = child<QComboBox>(form, "cmb_team");
        team->setCurrentIndex(team->findData(program.teamAt(3)));
        QCOMPARE(form.rosterTeamId(), program.teamAt(3));
        QCOMPARE(rowOfPlayer(*roster, kCrawford), 0);
        QCOMPARE(child<QGroupBox>(form, "frm_roster")->title(),
                 QString::fromStdString(program.state.draftSettings()->draftTeams[2].teamname));

        child<QPushButton>(form, "cmd_addplayer")->click();
        QCOMPARE(program.count("playerid = 3115 and draftorder = 2 and teamid = " +
                               std::to_string(program.teamAt(3))),
                 1.0);
    }

    void auctionRefusesABadBidAndKeepsTheWindowOpen() {
        RoomProgram program(10, true);
        RecordingRoomView view;
        gui::FormAddPlayer form(program.state, program.dialogs, view, kNowitzki);
        auto* dollars = child<QLineEdit>(form, "txt_dollars");
        QVERIFY(!dollars->isHidden());
        QVERIFY(child<QGroupBox>(form, "frm_roster")->title().endsWith(" - 200 Remaining"));
        form.show();
        for (const char* bid : {"-5", "", "ten"}) {
            dollars->setText(bid);
            child<QPushButton>(form, "cmd_addplayer")->click();
            QCOMPARE(program.dialogs.messages.back().title, std::string("Invalid Bid"));
        }
        QVERIFY(form.isVisible());
        QCOMPARE(program.count("1 = 1"), 0.0);
        QVERIFY(view.shown.empty());

        // Declining the money question keeps the window too; 200 + 190 + 11 x 1 is over 200.
        dollars->setText("190");
        child<QPushButton>(form, "cmd_addplayer")->click();
        QCOMPARE(program.dialogs.questions.back().title, std::string("Not Enough Money"));
        QVERIFY(form.isVisible());
        dollars->setText("25");
        child<QPushButton>(form, "cmd_addplayer")->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(program.scalar("select dollars from DraftTaken where playerid = 3115"), 25.0);
    }

    void anUnreadablePlayerClosesTheWindowAtOnce() {
        RoomProgram program(4, false);
        RecordingRoomView view;
        gui::FormAddPlayer form(program.state, program.dialogs, view, 999999);
        QVERIFY(!child<QPushButton>(form, "cmd_addplayer")->isEnabled());
        QCOMPARE(form.exec(), int(QDialog::Rejected));
    }

    void movingAPlayerChangesHisTeamAndKeepsHisPickNumber() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        QVERIFY(pick(program, kCrawford, program.teamAt(1)));
        QVERIFY(pick(program, kNowitzki, program.teamAt(2)));
        gui::FormMovePlayer form(program.state, program.dialogs, view, kCrawford);
        QCOMPARE(form.windowTitle(), QString("Change Position/Team"));
        QCOMPARE(child<QLabel>(form, "lbl_plName")->text(), QString("Jamal Crawford"));
        auto* teams = child<QComboBox>(form, "cmb_teams");
        QCOMPARE(teams->currentData().toInt(), program.teamAt(1));
        QCOMPARE(child<QComboBox>(form, "cmb_position")->currentText(), QString("G"));
        QVERIFY(child<QLineEdit>(form, "txt_dollars")->isHidden());

        teams->setCurrentIndex(teams->findData(program.teamAt(5)));
        child<QComboBox>(form, "cmb_position")->setCurrentText("UT");
        child<QPushButton>(form, "cmd_change")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(program.count("playerid = 3257 and draftorder = 1 and pos = 'UT' and teamid = " +
                               std::to_string(program.teamAt(5))),
                 1.0);
        // The move rebuilt the room once; the main window only shows it.
        QCOMPARE(view.refreshes, 0);
        QVERIFY(!view.shown.empty());
        // A move is no pick: the turn stays with the third team.
        QCOMPARE(teamOnTheClock(*program.state.loadedDraft), program.teamAt(3));
    }

    void dropFromTheAddPlayerRosterRebuildsThatRoster() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        QVERIFY(pick(program, kCrawford, program.teamAt(1)));
        QVERIFY(pick(program, kNowitzki, program.teamAt(2)));
        // Team 3 is on the clock; the window opens on team 1 as for a custom player.
        gui::FormAddPlayer form(program.state, program.dialogs, view, 3355, program.teamAt(1));
        auto* roster = child<QTableView>(form, "dg_roster");
        const int row = rowOfPlayer(*roster, kCrawford);
        QCOMPARE(row, 0);
        auto done = test::whenModalShown("form_moveplayer", [](QWidget* move) {
            move->findChild<QPushButton*>("cmd_drop")->click();
        });
        emit roster->doubleClicked(roster->model()->index(row, 2));
        QVERIFY(*done);
        QCOMPARE(program.count("playerid = 3257"), 0.0);
        // The move rebuilt the room once; the main window only shows it.
        QCOMPARE(view.refreshes, 0);
        QVERIFY(!view.shown.empty());
        QCOMPARE(rowOfPlayer(*roster, kCrawford), -1);
        // An empty slot row opens nothing.
        auto opened = test::whenModalShown(
            "form_moveplayer", [](QWidget* move) { move->close(); }, 300);
        emit roster->doubleClicked(roster->model()->index(0, 2));
        // Let the watch run out, so that it cannot close a window of a later test.
        QTest::qWait(350);
        QVERIFY(!*opened);
    }

    void keepersAreAddedAndRemovedFromTheKeyboard() {
        RoomProgram program(10, true);
        RecordingRoomView view;
        gui::FormAddKeepers form(program.state, program.dialogs, view);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* players = child<QTableView>(form, "dg_freeagents");
        auto* keepers = child<QTableView>(form, "dg_keepers");
        players->setFocus();
        players->setCurrentIndex(players->model()->index(rowOfPlayer(*players, kCrawford), 1));
        // Enter on the player: the price is typed first, then the team by name, then Enter.
        QString firstFocus;
        auto added = test::whenModalShown("form_addKeeperPlayer", [&](QWidget* dialog) {
            QWidget* price = dialog->focusWidget();
            if (price == nullptr) {
                dialog->close();
                return;
            }
            firstFocus = price->objectName();
            QTest::keyClicks(price, "17");
            QTest::keyClick(price, Qt::Key_Tab);
            QWidget* team = dialog->focusWidget();
            QTest::keyClicks(team, "owner 7");
            QTest::keyClick(team, Qt::Key_Return);
        });
        QTest::keyClick(players, Qt::Key_Return);
        QVERIFY(*added);
        QCOMPARE(firstFocus, QString("txt_dollars"));
        QCOMPARE(program.count("playerid = 3257 and draftorder = 0 and dollars = 17 and teamid = " +
                               std::to_string(program.teamAt(7))),
                 1.0);
        QCOMPARE(keepers->model()->rowCount(), 1);
        // Delete on the keeper asks first; Yes removes him.
        program.dialogs.answers.push_back(true);
        keepers->setFocus();
        keepers->setCurrentIndex(keepers->model()->index(0, 1));
        QTest::keyClick(keepers, Qt::Key_Delete);
        QCOMPARE(program.dialogs.questions.back().title, std::string("Remove This Keeper?"));
        QCOMPARE(program.count("1 = 1"), 0.0);
        // Out of the grids, Enter is the window's: Done Adding Keepers.
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* team = child<QComboBox>(form, "cmb_team");
        team->setFocus();
        QTest::keyClick(team, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void keepersAreAddedAndRemovedWithTheQuestion() {
        RoomProgram program(10, true);
        RecordingRoomView view;
        gui::FormAddKeepers form(program.state, program.dialogs, view);
        QCOMPARE(form.windowTitle(), QString("Add Keepers"));
        auto* team = child<QComboBox>(form, "cmb_team");
        QCOMPARE(team->currentIndex(), 0);
        auto* players = child<QTableView>(form, "dg_freeagents");
        auto* keepers = child<QTableView>(form, "dg_keepers");
        const int available = players->model()->rowCount();
        QCOMPARE(available, 530);  // the 2019 rows of the sample file
        QVERIFY(players->isColumnHidden(0));

        // The keeper goes to the fourth team, chosen in the dialog.
        auto added = test::whenModalShown("form_addKeeperPlayer", [&](QWidget* dialog) {
            QCOMPARE(dialog->findChild<QLabel*>("lbl_playerName")->text(),
                     QString("Dirk Nowitzki"));
            auto* keeperTeam = dialog->findChild<QComboBox*>("cmb_team");
            QCOMPARE(keeperTeam->currentData().toInt(), program.teamAt(1));
            keeperTeam->setCurrentIndex(3);
            dialog->findChild<QLineEdit*>("txt_dollars")->setText("25");
            dialog->findChild<QPushButton*>("cmd_add")->click();
        });
        emit players->doubleClicked(players->model()->index(rowOfPlayer(*players, kNowitzki), 1));
        QVERIFY(*added);
        QCOMPARE(program.count("playerid = 3115 and draftorder = 0 and dollars = 25 and teamid = " +
                               std::to_string(program.teamAt(4))),
                 1.0);
        QCOMPARE(players->model()->rowCount(), available - 1);
        QCOMPARE(team->currentData().toInt(), program.teamAt(4));
        QCOMPARE(keepers->model()->rowCount(), 1);
        QCOMPARE(keepers->model()->index(0, 3).data().toString(), QString("25"));

        // No keeps him, Yes removes him.
        emit keepers->doubleClicked(keepers->model()->index(0, 1));
        QCOMPARE(program.dialogs.questions.back().title, std::string("Remove This Keeper?"));
        QCOMPARE(keepers->model()->rowCount(), 1);
        program.dialogs.answers.push_back(true);
        emit keepers->doubleClicked(keepers->model()->index(0, 1));
        QCOMPARE(program.count("1 = 1"), 0.0);
        QCOMPARE(keepers->model()->rowCount(), 0);
        QCOMPARE(players->model()->rowCount(), available);

        child<QPushButton>(form, "cmd_finished")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(view.shown.size(), std::size_t{1});
        QVERIFY(view.shown.front().money.has_value());
        QVERIFY(!view.shown.front().draftLog.has_value());
    }

    void aCustomPointGuardIsHandedToTheAddPlayerWindowAsAGuard() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        gui::FormNewPlayer form(program.state, program.dialogs, view);
        QCOMPARE(form.objectName(), QString("form_newPlayer"));
        auto* pos = child<QComboBox>(form, "cmb_pos");
        QCOMPARE(pos->currentText(), QString("C"));
        auto* teamlist = child<QComboBox>(form, "cmb_teamlist");
        QCOMPARE(teamlist->currentText(), QString("Do Not Add To Team"));
        QCOMPARE(teamlist->count(), 11);
        QVERIFY(child<QComboBox>(form, "cmb_team")->count() > 20);

        child<QLineEdit>(form, "txt_firstname")->setText("Shaq");
        child<QLineEdit>(form, "txt_lastname")->setText("O'Neal");
        pos->setCurrentText("PG");
        teamlist->setCurrentIndex(4);
        const int chosenTeam = teamlist->currentData().toInt();
        QString preselected;
        int preselectedTeam = 0;
        auto picked = test::whenModalShown("form_addplayer", [&](QWidget* pick) {
            preselected = pick->findChild<QComboBox*>("cmb_pos")->currentText();
            preselectedTeam = pick->findChild<QComboBox*>("cmb_team")->currentData().toInt();
            pick->findChild<QPushButton*>("cmd_addplayer")->click();
        });
        child<QPushButton>(form, "cmd_add")->click();
        QVERIFY(*picked);
        QCOMPARE(preselected, QString("G"));
        QCOMPARE(preselectedTeam, chosenTeam);
        QCOMPARE(program.count("playerid = 20000 and pos = 'G' and teamid = " +
                               std::to_string(chosenTeam)),
                 1.0);
        QCOMPARE(program.scalar("select count(*) from DraftPlayers where playerid = 20000 and "
                                "lastname = 'O''Neal' and pg = 1 and sg = 0"),
                 2.0);
        QCOMPARE(view.refreshes, 1);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void aCustomPlayerWithoutATeamOnlyJoinsThePlayersAndANameTwiceIsRefused() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        for (int attempt = 0; attempt < 2; ++attempt) {
            gui::FormNewPlayer form(program.state, program.dialogs, view);
            child<QLineEdit>(form, "txt_firstname")->setText("Ann");
            child<QLineEdit>(form, "txt_lastname")->setText("Other");
            form.show();
            child<QPushButton>(form, "cmd_add")->click();
            QCOMPARE(form.isVisible(), attempt == 1);
        }
        QCOMPARE(program.dialogs.messages.back().title, std::string("Player Exists"));
        QCOMPARE(program.scalar("select count(*) from DraftPlayers where playerid >= 20000"), 2.0);
        QCOMPARE(program.count("1 = 1"), 0.0);
        QCOMPARE(view.refreshes, 1);
    }

    void exportWritesTheFileIntoTheChosenFolder() {
        RoomProgram program(10, false);
        RecordingRoomView view;
        QVERIFY(pick(program, kNowitzki, program.teamAt(1)));
        gui::FormExportDir form(program.state, program.dialogs, view, "draft");
        QCOMPARE(form.windowTitle(), QString(" Select Export Destination Directory"));
        QCOMPARE(child<QLabel>(form, "lblTitle")->text(), QString("Draft/Auction"));
        QCOMPARE(form.selectedFolder(), QDir::homePath());
        const QString folder = QString::fromStdString(program.folder.str());
        form.selectFolder(folder);
        QCOMPARE(form.selectedFolder(), folder);
        child<QPushButton>(form, "cmdExport")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(program.dialogs.lastText(), std::string("Export Complete!"));

        std::ifstream file(program.folder.path() / "quorvane_draft_order.csv", std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        const std::string team = program.state.draftSettings()->draftTeams[0].teamname;
        QCOMPARE(text.str(), "Team Name,First Name,Last Name,Position,Team,Order\r\n" + team +
                                 ",Dirk,Nowitzki,F,DAL,1\r\n");

        gui::FormExportDir unknown(program.state, program.dialogs, view, "pitchers");
        QVERIFY(!child<QPushButton>(unknown, "cmdExport")->isEnabled());
    }
};

QTEST_MAIN(RoomDialogsTest)
#include "RoomDialogsTest.moc"
