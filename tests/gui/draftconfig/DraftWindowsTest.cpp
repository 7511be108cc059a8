// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/draftconfig/FormPracticeDraft.h"
#include "gui/support/ModalWindow.h"
#include "gui/support/RecordingMainWindow.h"
#include "model/DraftLoader.h"
#include "practice/PracticeDrafts.h"
#include "support/TestProgram.h"

using namespace quorvane;

class DraftWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void practiceDraftsAreMarkedAndOnlyThoseCanBeDeleted() {
        test::TestProgram program;
        const int real = program.newDraft("Alpha", 4, false, false);
        loadDraft(program.state, real);
        const Outcome<int> practice =
            createPractice(program.state, {real, "Alpha drill", std::uint64_t{7}, false});
        QVERIFY(practice.ok());
        test::RecordingMainWindow main;
        gui::FormOpenDraft window(program.state, program.dialogs, main);
        auto* drafts = window.findChild<QComboBox*>("cmb_drafts");
        auto* remove = window.findChild<QPushButton*>("cmd_delete");
        QCOMPARE(drafts->itemText(1), QString("Alpha drill (practice)"));
        QVERIFY(!remove->isEnabled());
        drafts->setCurrentIndex(1);
        QVERIFY(remove->isEnabled());
        program.dialogs.answers = {false};
        remove->click();
        QCOMPARE(drafts->count(), 2);
        program.dialogs.answers = {true};
        remove->click();
        QCOMPARE(drafts->count(), 1);
        QCOMPARE(program.scalar("select count(*) from DraftTemplate"), 1.0);
        QCOMPARE(program.scalar("select count(*) from DraftPractice"), 0.0);
    }

    void practiceDraftDialogRefusesABadSeedAndReturnsTheChoice() {
        test::TestProgram program;
        const int real = program.newDraft("Alpha", 4, false, false);
        loadDraft(program.state, real);
        gui::FormPracticeDraft window(program.state, program.dialogs);
        window.show();
        window.findChild<QLineEdit*>("txt_seed")->setText("12x");
        window.findChild<QPushButton*>("cmd_start")->click();
        QCOMPARE(program.dialogs.lastText(),
                 std::string("The seed must be a whole number from 0 up."));
        QVERIFY(!window.chosen());
        window.findChild<QLineEdit*>("txt_seed")->setText("4,096");
        window.findChild<QComboBox*>("cmb_pace")->setCurrentIndex(2);
        auto* bots = window.findChild<QComboBox*>("cmb_bots");
        QCOMPARE(bots->count(), 4);
        QCOMPARE(bots->currentText(), QString("A mix of styles"));
        bots->setCurrentIndex(bots->findText("The best G who fits"));
        window.findChild<QRadioButton*>("opt_from_now")->setChecked(true);
        window.findChild<QPushButton*>("cmd_start")->click();
        QVERIFY(window.chosen().has_value());
        QVERIFY(window.chosen()->choice.seed.has_value());
        QCOMPARE(*window.chosen()->choice.seed, std::uint64_t{4096});
        QCOMPARE(window.chosen()->choice.sourceId, real);
        QVERIFY(window.chosen()->choice.fromNow);
        QCOMPARE(static_cast<long long>(window.chosen()->pace.count()), 3000LL);
        QVERIFY(window.chosen()->choice.bots == BotMix::G);
    }

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
        QCOMPARE(program.state.draftSettings()->template_id, b);
        QCOMPARE(program.state.draftSettings()->template_name, std::string("Bravo"));
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
