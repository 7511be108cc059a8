// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "gui/draftconfig/FormSetup.h"
#include "gui/support/RecordingMainWindow.h"
#include "session/SetupConversation.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

template <typename Control>
Control* control(const QWidget& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (found == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

QString indexed(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

// What the controls show, read the way a user sees them (independent of the window's own
// reader).
SetupForm shownForm(const QWidget& window) {
    SetupForm form;
    if (control<QRadioButton>(window, "Option1")->isChecked()) {
        form.scoringStyle = kScoringRotisserie;
    } else if (control<QRadioButton>(window, "Option2")->isChecked()) {
        form.scoringStyle = kScoringPoints;
    }
    if (control<QRadioButton>(window, "Option8")->isChecked()) {
        form.draftType = kDraftTypeAuction;
    } else if (control<QRadioButton>(window, "Option6")->isChecked()) {
        form.draftType = kDraftTypeSnake;
    } else if (control<QRadioButton>(window, "Option7")->isChecked()) {
        form.draftType = kDraftTypeStraight;
    }
    form.roundsIndex = control<QComboBox>(window, "Combo1")->currentIndex();
    form.salaryCap = text(control<QLineEdit>(window, "Text3"));
    form.minBid = text(control<QLineEdit>(window, "txt_minbid"));
    for (int box = 0; box < kCategoryBoxCount; ++box) {
        const auto slot = static_cast<std::size_t>(box);
        form.categoryTicked[slot] = control<QCheckBox>(window, indexed("Check1", box))->isChecked();
        form.categoryWeight[slot] = text(control<QLineEdit>(window, indexed("Text1", box)));
    }
    for (int list = 0; list < kRosterSlotCount; ++list) {
        form.rosterSlots[static_cast<std::size_t>(list)] =
            control<QComboBox>(window, indexed("list1", list))->currentIndex();
    }
    for (int row = 0; window.findChild<QLineEdit*>(indexed("Text4", row)) != nullptr; ++row) {
        form.teamRows.push_back(
            {std::nullopt, text(control<QLineEdit>(window, indexed("Text4", row))),
             text(control<QLineEdit>(window, indexed("Text5", row))),
             control<QRadioButton>(window, indexed("opt_mine", row))->isChecked(), 0});
    }
    return form;
}

void compareShown(const SetupForm& shown, const SetupForm& expected) {
    QCOMPARE(shown.scoringStyle, expected.scoringStyle);
    QCOMPARE(shown.draftType, expected.draftType);
    QCOMPARE(shown.roundsIndex, expected.roundsIndex);
    QCOMPARE(shown.salaryCap, expected.salaryCap);
    QCOMPARE(shown.minBid, expected.minBid);
    QVERIFY(shown.categoryTicked == expected.categoryTicked);
    QVERIFY(shown.categoryWeight == expected.categoryWeight);
    QVERIFY(shown.rosterSlots == expected.rosterSlots);
    QCOMPARE(shown.teamRows.size(), expected.teamRows.size());
    for (std::size_t row = 0; row < shown.teamRows.size(); ++row) {
        QCOMPARE(shown.teamRows[row].name, expected.teamRows[row].name);
        QCOMPARE(shown.teamRows[row].order, expected.teamRows[row].order);
        QCOMPARE(shown.teamRows[row].mine, expected.teamRows[row].mine);
    }
}

}  // namespace

class FormSetupTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTheOpenDraftAsFillSetupDescribesIt() {
        test::TestProgram program;
        program.newDraft("Showcase", 3, true, false);
        // Settings other than the defaults, saved through core.
        SetupForm edited = fillSetup(*program.state.draftSettings());
        edited.roundsIndex = 19;
        edited.salaryCap = "260";
        edited.minBid = "0.5";
        edited.rosterSlots = {3, 0, 1, 1, 0, 1, 1, 12, 2};
        edited.teamRows[0].mine = false;
        edited.teamRows[1].mine = true;
        edited.teamRows[1].name = "O'Neil";
        edited.teamRows[0].order = "2";
        edited.teamRows[1].order = "1";
        QVERIFY(saveSetup(program.state, program.dialogs, edited).saved);

        test::RecordingMainWindow main;
        gui::FormSetup window(program.state, program.dialogs, main);
        compareShown(shownForm(window), fillSetup(*program.state.draftSettings()));
        QCOMPARE(shownForm(window).teamRows[0].name, std::string("O'Neil"));
        QCOMPARE(control<QTabWidget>(window, "SSTab1")->currentIndex(), 0);
        // Points league: weights shown; auction: salary cap and minimum bid shown.
        QVERIFY(!control<QLineEdit>(window, "Text1_0")->isHidden());
        QVERIFY(!control<QLineEdit>(window, "Text3")->isHidden());
        QVERIFY(!control<QLineEdit>(window, "txt_minbid")->isHidden());

        control<QRadioButton>(window, "Option1")->click();
        control<QRadioButton>(window, "Option6")->click();
        QVERIFY(control<QLineEdit>(window, "Text1_0")->isHidden());
        QVERIFY(control<QLineEdit>(window, "Text3")->isHidden());
        QCOMPARE(main.updateDollarsVisible, std::optional<bool>(false));
        // Cancel writes nothing and puts "Update $" back as the saved auction has it.
        window.show();
        control<QPushButton>(window, "Command5")->click();
        QCOMPARE(main.updateDollarsVisible, std::optional<bool>(true));
        QCOMPARE(program.scalar("select drafttype from DraftTemplate"), 0.0);
        QCOMPARE(main.refreshes, 0);
    }

    void applyWritesWhatTheControlsHoldAndStaysOpen() {
        test::TestProgram program;
        const int id = program.newDraft("Applied", 2, false, true);
        test::RecordingMainWindow main;
        gui::FormSetup window(program.state, program.dialogs, main);
        window.show();

        control<QRadioButton>(window, "Option2")->click();
        control<QCheckBox>(window, "Check1_23")->setChecked(true);  // Double-Doubles
        control<QLineEdit>(window, "Text1_23")->setText("7.5 ");
        for (int box : {0, 1, 2, 3, 4, 8, 11, 14, 15}) {  // the rotisserie defaults
            control<QLineEdit>(window, indexed("Text1", box))->setText("1");
        }
        control<QRadioButton>(window, "Option7")->click();
        control<QComboBox>(window, "Combo1")->setCurrentIndex(34);
        control<QComboBox>(window, "list1_7")->setCurrentIndex(12);
        control<QLineEdit>(window, "Text4_1")->setText("Mike's Team");
        control<QPushButton>(window, "Command2")->click();
        control<QLineEdit>(window, "Text4_2")->setText("Late Entry");
        control<QLineEdit>(window, "Text5_2")->setText("3");
        control<QPushButton>(window, "Command4")->click();

        QVERIFY2(program.dialogs.messages.empty(), program.dialogs.lastText().c_str());
        QVERIFY(window.isVisible());
        QCOMPARE(main.refreshes, 1);
        const std::string draft = " where template_id = " + std::to_string(id);
        QCOMPARE(program.scalar("select scoringstyle from DraftTemplate" + draft), 1.0);
        QCOMPARE(program.scalar("select drafttype from DraftTemplate" + draft), 2.0);
        QCOMPARE(program.scalar("select rounds from DraftTemplate" + draft), 35.0);
        QCOMPARE(program.scalar("select teams from DraftTemplate" + draft), 3.0);
        QCOMPARE(program.scalar("select ut from DraftRoster" + draft), 12.0);
        QCOMPARE(program.scalar("select points from DraftCategory where categoryid = 23"), 7.5);
        QCOMPARE(program.scalar("select count(*) from DraftTeams where teamname = 'Mike''s Team'"),
                 1.0);
        QCOMPARE(program.scalar("select draftposition from DraftTeams where teamname = 'Late "
                                "Entry'"),
                 3.0);
        // The window now shows the saved draft: the new team is a saved row.
        compareShown(shownForm(window), fillSetup(*program.state.draftSettings()));
        QCOMPARE(window.readForm().teamRows[2].teamid.has_value(), true);
    }

    void aRefusedSaveKeepsTheWindowOpenAsTyped() {
        test::TestProgram program;
        program.newDraft("Refused", 3, false, false);
        test::RecordingMainWindow main;
        gui::FormSetup window(program.state, program.dialogs, main);
        window.show();

        control<QLineEdit>(window, "Text5_2")->setText("1");  // orders 1, 2, 1
        control<QTabWidget>(window, "SSTab1")->setCurrentIndex(3);
        control<QPushButton>(window, "Command6")->click();
        QVERIFY(window.isVisible());
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(program.dialogs.messages[0].title, std::string("Invalid Data"));
        QCOMPARE(program.dialogs.messages[0].text, std::string("Draft order is invalid"));
        QCOMPARE(control<QTabWidget>(window, "SSTab1")->currentIndex(), 2);
        QCOMPARE(control<QLineEdit>(window, "Text5_2")->text(), QString("1"));
        QCOMPARE(program.scalar("select draftposition from DraftTeams where teamname = 'Owner 3'"),
                 3.0);
        QCOMPARE(main.refreshes, 0);
        QVERIFY(control<QPushButton>(window, "Command6")->isEnabled());

        control<QLineEdit>(window, "Text5_2")->setText("3");
        control<QLineEdit>(window, "Text1_0")->setText("1000.5");
        control<QPushButton>(window, "Command6")->click();
        QCOMPARE(program.dialogs.lastText(),
                 std::string("Invalid point value for category: Points"));
        QCOMPARE(control<QTabWidget>(window, "SSTab1")->currentIndex(), 0);

        control<QLineEdit>(window, "Text1_0")->setText("1000");
        control<QPushButton>(window, "Command6")->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(main.refreshes, 1);
    }

    void teamRowsAddUpToThirtyAndDeleteAsTheDraftAllows() {
        test::TestProgram program;
        const int id = program.newDraft("Crowded", 29, false, false);
        test::RecordingMainWindow main;
        gui::FormSetup window(program.state, program.dialogs, main);
        auto* addTeam = control<QPushButton>(window, "Command2");
        addTeam->click();
        addTeam->click();
        QVERIFY(window.findChild<QLineEdit*>("Text4_29") != nullptr);
        QVERIFY(window.findChild<QLineEdit*>("Text4_30") == nullptr);

        // An unsaved row goes with every unsaved change of the team rows.
        control<QLineEdit>(window, "Text4_3")->setText("Renamed");
        control<QPushButton>(window, "cmd_delteam_29")->click();
        QVERIFY(window.findChild<QLineEdit*>("Text4_29") == nullptr);
        QCOMPARE(control<QLineEdit>(window, "Text4_3")->text(), QString("Owner 4"));
        QVERIFY(program.dialogs.questions.empty());

        // The user's own team is refused before any question.
        control<QPushButton>(window, "cmd_delteam_0")->click();
        QCOMPARE(program.dialogs.lastText().substr(0, 36),
                 std::string("You cannot delete your team from the"));
        QVERIFY(program.dialogs.questions.empty());

        // A saved team goes after a Yes, with every pick of the draft.
        program.exec(
            "insert into DraftTaken (template_id, teamid, playerid, pos, draftorder, "
            "dollars) select " +
            std::to_string(id) +
            ", teamid, 1, 'C', 1, 0 from "
            "DraftTeams where teamname = 'Owner 1'");
        program.dialogs.answers.push_back(true);
        control<QPushButton>(window, "cmd_delteam_28")->click();
        QCOMPARE(program.dialogs.questions.size(), std::size_t{1});
        QVERIFY(window.findChild<QLineEdit*>("Text4_28") == nullptr);
        QCOMPARE(program.scalar("select count(*) from DraftTeams"), 28.0);
        QCOMPARE(program.scalar("select count(*) from DraftTaken"), 0.0);
        QCOMPARE(main.refreshes, 1);
    }

    void withoutAnOpenDraftTheEditorIsNotShown() {
        test::TestProgram program;
        test::RecordingMainWindow main;
        gui::FormSetup window(program.state, program.dialogs, main);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(program.dialogs.messages[0].title, std::string("No Draft Open"));
        QCOMPARE(program.dialogs.messages[0].text,
                 std::string("You must open a draft before editing it"));
    }
};

QTEST_MAIN(FormSetupTest)
#include "FormSetupTest.moc"
