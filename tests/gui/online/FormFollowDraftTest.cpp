// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <QSpinBox>

#include "FollowProgram.h"
#include "RoomAnswersJson.h"
#include "RoomJson.h"
#include "RoomService.h"
#include "SleeperFixture.h"
#include "gui/online/FormFollowDraft.h"
#include "online/EspnCookies.h"
#include "online/FollowStore.h"
#include "room/DraftPicks.h"
#include "session/LiveRoom.h"

using namespace quorvane;

namespace {

// u1 sits at slot 1, roster 2, and named his team; u2 at slot 2, roster 1, did not.
const std::string kDraft =
    test::roomDraftJson("linear", "drafting", 4, 4, 0, R"({"1":2,"2":1,"3":3,"4":4})", 1000);
const std::string kUsers =
    R"([{"user_id":"u1","display_name":"hoopsfan","metadata":{"team_name":"Downtown Dribblers"}},)"
    R"({"user_id":"u2","display_name":"bigmike","metadata":{}}])";

std::string withOrder(std::string draft) {
    const std::string none = R"("draft_order":null)";
    return draft.replace(draft.find(none), none.size(), R"("draft_order":{"u1":1,"u2":2})");
}

}  // namespace

class FormFollowDraftTest : public QObject {
    Q_OBJECT
  private slots:
    void readsTheRoomNamesItsRostersFollowsWithTheChosenTeamsAndStops() {
        test::SleeperFixture fixture(
            {{withOrder(kDraft),
              test::roomPicksJson({{1, 1, 1, 2, "2101", "Nikola", "Jokic", "DEN", "C"},
                                   {2, 1, 2, 1, "2102", "James", "Harden", "HOU", "PG"}})}},
            kUsers);
        const test::RoomAddressForTest address(fixture);
        test::FollowProgram program(4, kDraftTypeStraight);
        gui::FormFollowDraft form(program.state, program.dialogs);
        form.show();

        form.findChild<QLineEdit*>("txtRoomDraftId")->setText("2001");
        form.findChild<QPushButton*>("cmdReadRoom")->click();
        auto* mapping = form.findChild<QTableWidget*>("grdRosters");
        QCOMPARE(mapping->rowCount(), 4);
        QCOMPARE(mapping->item(0, 0)->text(), QString("bigmike (roster 1)"));
        QCOMPARE(mapping->item(1, 0)->text(), QString("Downtown Dribblers (roster 2)"));
        QCOMPARE(mapping->item(2, 0)->text(), QString("Roster 3"));
        // By default roster 2, at slot 1, is the team at draft position 1.
        auto* roster2 = qobject_cast<QComboBox*>(mapping->cellWidget(1, 1));
        QCOMPARE(roster2->currentText(), QString("Owner 1"));
        roster2->setCurrentText("Owner 4");

        form.findChild<QPushButton*>("cmdStartFollow")->click();
        QTRY_COMPARE_WITH_TIMEOUT(program.picks().size(), std::size_t{2}, 20000);
        QCOMPARE(program.picks(),
                 (std::vector<std::string>{"1:4351>Owner 4/C", "2:3879>Owner 2/G"}));
        auto* status = form.findChild<QLabel*>("lblFollowStatus");
        QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith("Following \u00b7 2 picks"), 10000);
        QVERIFY(readRoomClock(program.state, *program.state.loadedDraft).has_value());

        form.findChild<QPushButton*>("cmdStopFollow")->click();
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Stopped"), 10000);
        QVERIFY(!readRoomClock(program.state, *program.state.loadedDraft).has_value());
        QVERIFY(program.dialogs.messages.empty());

        // Opened again, the window offers the room the draft was linked to.
        gui::FormFollowDraft again(program.state, program.dialogs);
        QCOMPARE(again.findChild<QLineEdit*>("txtRoomDraftId")->text(), QString("2001"));
    }

    void followsAnEspnLeagueWithThePastedCookiesAndTheBannerNamesIt() {
        test::RoomService service;
        const test::AddressForTest address("QUORVANE_ESPN_URL", service.address("/apis/v3"));
        const std::vector<test::EspnTeamJson> teams{{2, "Downtown Dribblers", "", ""},
                                                    {7, "", "Hoop", "Dreams"},
                                                    {1, "Bench", "", ""},
                                                    {4, "Zone", "", ""}};
        service.serve("/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456",
                      test::espnLeagueJson("SNAKE", false, true, {2, 7, 1, 4}, teams,
                                           {{1, 1, 2, "3112335"}, {2, 1, 7, "3992"}}));
        service.serve("/apis/v3/games/fba/seasons/2019/players", test::espnSamplePlayers());
        test::FollowProgram program(4, kDraftTypeSnake);
        gui::FormFollowDraft form(program.state, program.dialogs);
        form.show();

        auto* kind = form.findChild<QComboBox*>("cboRoomKind");
        kind->setCurrentIndex(kind->findText("ESPN"));
        QVERIFY(form.findChild<QLineEdit*>("txtEspnLeague")->isVisible());
        QVERIFY(!form.findChild<QLineEdit*>("txtRoomDraftId")->isVisible());
        form.findChild<QLineEdit*>("txtEspnLeague")->setText("123456");
        form.findChild<QSpinBox*>("spnEspnSeason")->setValue(2019);
        form.findChild<QLineEdit*>("txtEspnS2")->setText("AEBsecret");
        form.findChild<QLineEdit*>("txtSwid")->setText("6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D");
        form.findChild<QPushButton*>("cmdReadRoom")->click();
        QVERIFY2(program.dialogs.messages.empty(), program.dialogs.lastText().c_str());
        auto* mapping = form.findChild<QTableWidget*>("grdRosters");
        QCOMPARE(mapping->rowCount(), 4);
        QCOMPARE(mapping->item(0, 0)->text(), QString("Downtown Dribblers (team 2)"));
        QCOMPARE(mapping->item(1, 0)->text(), QString("Hoop Dreams (team 7)"));
        QCOMPARE(qobject_cast<QComboBox*>(mapping->cellWidget(0, 1))->currentText(),
                 QString("Owner 1"));
        // The pasted cookies were kept with the draft, braces added, and sent.
        QCOMPARE(loadDraftCookies(program.state.dataFolder, program.draftId)->swid,
                 std::string("{6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}"));

        form.findChild<QPushButton*>("cmdStartFollow")->click();
        QTRY_COMPARE_WITH_TIMEOUT(program.picks().size(), std::size_t{2}, 20000);
        QCOMPARE(program.picks(),
                 (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G"}));
        QTRY_VERIFY_WITH_TIMEOUT(
            liveBanner(program.state,
                       readDraftPicks(program.state).value_or(std::vector<DraftPick>{}))
                    .find("following ESPN league 123456") != std::string::npos,
            10000);
        QCOMPARE(
            service
                .headerValues("/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456", "Cookie")
                .back(),
            std::string("espn_s2=AEBsecret; SWID={6E2B1C1D-3A5B-4F0B-9C1D-3A5B4F0B9C1D}"));
        form.findChild<QPushButton*>("cmdStopFollow")->click();
        auto* status = form.findChild<QLabel*>("lblFollowStatus");
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Stopped"), 10000);

        gui::FormFollowDraft again(program.state, program.dialogs);
        QCOMPARE(again.findChild<QComboBox*>("cboRoomKind")->currentText(), QString("ESPN"));
        QCOMPARE(again.findChild<QLineEdit*>("txtEspnLeague")->text(), QString("123456"));
        QCOMPARE(again.findChild<QSpinBox*>("spnEspnSeason")->value(), 2019);
    }
};

QTEST_MAIN(FormFollowDraftTest)
#include "FormFollowDraftTest.moc"
