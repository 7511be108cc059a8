// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/app/FormMain.h"
#include "model/DraftLoader.h"
#include "room/RecordPick.h"
#include "session/TurnConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;

class DraftCompleteTest : public QObject {
    Q_OBJECT
  private slots:
    // Two teams, one round: the second pick ends the draft and an undo reopens it.
    void theWindowSaysWhenTheDraftIsComplete() {
        test::TestProgram program;
        const int id = program.newDraft("Short", 2, false, true);
        program.exec("update DraftTemplate set rounds = 1");
        for (int playerid = 1; playerid <= 2; ++playerid) {
            program.exec(
                "insert into DraftPlayers (playerid, yearofprojection, firstname, "
                "lastname, pos, PG) values (" +
                std::to_string(playerid) + ", 2019, 'First', 'Last', 'G', 1)");
        }
        loadDraft(program.state, id);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        auto* complete = main.findChild<QLabel*>("lbl_draftcomplete");
        QVERIFY(complete != nullptr);
        QVERIFY(complete->isHidden());

        for (int playerid = 1; playerid <= 2; ++playerid) {
            const auto window = openAddPlayer(program.state, playerid);
            QCOMPARE(recordPick(program.state, program.dialogs, playerid, window->form()).outcome,
                     PickOutcome::Recorded);
        }
        main.refreshMain();
        QVERIFY(!complete->isHidden());
        QCOMPARE(complete->text(), QString("The draft is complete."));

        main.findChild<QPushButton*>("cmd_undopick")->click();
        QVERIFY(complete->isHidden());
    }
};

QTEST_MAIN(DraftCompleteTest)
#include "DraftCompleteTest.moc"
