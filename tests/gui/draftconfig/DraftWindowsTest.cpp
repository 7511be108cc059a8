// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/RecordingMainWindow.h"
#include "support/TestProgram.h"

using namespace quorvane;

class DraftWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void openDraftListsDraftsOldestFirstAndOpensTheChosenOnce() {
        test::TestProgram program;
        const int a = program.newDraft("Alpha", 4, false, false);
        const int b = program.newDraft("Bravo", 6, true, false);
        program.newDraft("Charlie", 8, false, true);
        test::RecordingMainWindow main;
        gui::FormOpenDraft window(program.state, program.dialogs, main);
        auto* drafts = window.findChild<QComboBox*>("cmb_drafts");
        QCOMPARE(drafts->count(), 3);
        QCOMPARE(drafts->itemText(0), QString("Alpha"));
        QCOMPARE(drafts->itemText(2), QString("Charlie"));
        QCOMPARE(drafts->currentIndex(), 0);
        QCOMPARE(drafts->itemData(0).toInt(), a);
        // Start-up: no way out without opening a draft.
        QVERIFY(window.findChild<QPushButton*>("cmd_cancel")->isHidden());

        window.show();
        drafts->setCurrentIndex(1);
        auto* open = window.findChild<QPushButton*>("cmd_open");
        open->click();
        open->click();
        QCOMPARE(main.refreshes, 1);
        QCOMPARE(main.researchResets, 1);
        QCOMPARE(program.state.draftSettings->template_id, b);
        QCOMPARE(program.state.draftSettings->template_name, std::string("Bravo"));
        QVERIFY(!window.isVisible());

        program.state.draftLoaded = true;
        gui::FormOpenDraft later(program.state, program.dialogs, main);
        QVERIFY(!later.findChild<QPushButton*>("cmd_cancel")->isHidden());
    }

    void openDraftIsNotShownWhenTheListCannotBeRead() {
        test::TestProgram program;
        closeConnection(program.state.dbConnection);
        test::RecordingMainWindow main;
        gui::FormOpenDraft window(program.state, program.dialogs, main);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QCOMPARE(program.dialogs.lastText(),
                 std::string("Err 30002: Could get draft templates. If the problem persists "
                             "please contact customer support."));
    }

    void newDraftRefusesABlankNameAndOpensTheSetupEditorAfterSaving() {
        test::TestProgram program;
        test::RecordingMainWindow main;
        gui::FormNewDraft window(program.state, program.dialogs, main);
        window.show();
        QVERIFY(window.findChild<QPushButton*>("Command2")->isHidden());
        QCOMPARE(window.findChild<QComboBox*>("list1")->currentText(), QString("12"));
        QVERIFY(window.findChild<QRadioButton*>("Option2")->isChecked());
        QVERIFY(window.findChild<QRadioButton*>("opt_points")->isChecked());

        window.findChild<QLineEdit*>("Text1")->setText("   ");
        window.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(program.dialogs.lastText(), std::string("You must enter a draft name"));
        QVERIFY(window.isVisible());
        QCOMPARE(program.scalar("select count(*) from DraftTemplate"), 0.0);

        window.findChild<QLineEdit*>("Text1")->setText("Auction Night");
        window.findChild<QComboBox*>("list1")->setCurrentIndex(7);
        window.findChild<QRadioButton*>("Option1")->click();
        window.findChild<QRadioButton*>("opt_rotisserie")->click();
        int setupTab = -1;
        const auto setupShown = test::whenModalShown("form_setup", [&](QWidget* setup) {
            setupTab = setup->findChild<QTabWidget*>("SSTab1")->currentIndex();
            setup->findChild<QPushButton*>("Command5")->click();
        });
        window.findChild<QPushButton*>("Command1")->click();

        QVERIFY(*setupShown);
        QCOMPARE(setupTab, 0);
        QVERIFY(!window.isVisible());
        QCOMPARE(main.refreshes, 1);
        QCOMPARE(program.scalar("select teams from DraftTemplate"), 8.0);
        QCOMPARE(program.scalar("select drafttype from DraftTemplate"), 0.0);
        QCOMPARE(program.scalar("select scoringstyle from DraftTemplate"), 0.0);
    }
};

QTEST_MAIN(DraftWindowsTest)
#include "DraftWindowsTest.moc"
