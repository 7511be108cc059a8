// SPDX-License-Identifier: MIT
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "draftconfig/NewDraft.h"
#include "gui/app/FormMain.h"
#include "gui/app/GuiStartupShell.h"
#include "gui/support/ModalWindow.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "session/Startup.h"
#include "support/TestProgram.h"

using namespace quorvane;
using quorvane::test::whenModalShown;

namespace {

DataFolderCandidates onlyFolder(const std::string& folder) {
    DataFolderCandidates candidates;
    candidates.overrideFolder = folder;
    return candidates;
}

}  // namespace

class StartupFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartCreatesADraftAndShowsItInTheDraftRoom() {
        test::TempFolder folder;
        ProgramState state;
        test::FakeDialogs dialogs;
        gui::FormMain main(state, dialogs);
        gui::GuiStartupShell shell(main, state, dialogs);

        bool cancelOffered = true;
        bool leagueTabInFront = false;
        const auto newDraftAnswered = whenModalShown("form_newdraft", [&](QWidget* window) {
            cancelOffered = !window->findChild<QPushButton*>("Command2")->isHidden();
            window->findChild<QLineEdit*>("Text1")->setText("Friday Night League");
            whenModalShown("form_setup", [&](QWidget* setup) {
                leagueTabInFront = setup->findChild<QTabWidget*>("SSTab1")->currentIndex() == 0;
                setup->findChild<QPushButton*>("Command6")->click();
            });
            window->findChild<QPushButton*>("Command1")->click();
        });

        QCOMPARE(runStartup(state, dialogs, shell, onlyFolder(folder.str())),
                 StartupOutcome::Running);

        QVERIFY(*newDraftAnswered);
        QVERIFY(!cancelOffered);
        QVERIFY(leagueTabInFront);
        QVERIFY(dialogs.messages.empty());
        QCOMPARE(main.findChild<QLabel*>("lbl_template")->text(), QString("Friday Night League"));
        QVERIFY(main.findChild<QMenu*>("mnuEdit")->isEnabled());
        // A new draft in "Draft" style is a snake draft: no auction controls.
        QVERIFY(main.findChild<QPushButton*>("cmd_updateDollars")->isHidden());
        QCOMPARE(main.findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);
        QVERIFY(state.hasDraft());
        QCOMPARE(state.draftSettings()->draftTeams.size(), std::size_t{12});
        closeConnection(state.dbConnection);
    }

    void startWithDraftsOpensTheChosenOne() {
        test::TempFolder folder;
        {
            ProgramState earlier;
            test::FakeDialogs dialogs;
            QVERIFY(createNewDatabase(earlier, dialogs, folder.str(), false));
            QVERIFY(createDraft(earlier, dialogs, {"Snake League", 9, false, false}));
            QVERIFY(createDraft(earlier, dialogs, {"Money League", 9, true, true}));
            closeConnection(earlier.dbConnection);
        }

        ProgramState state;
        test::FakeDialogs dialogs;
        gui::FormMain main(state, dialogs);
        gui::GuiStartupShell shell(main, state, dialogs);
        bool cancelOffered = true;
        const auto opened = whenModalShown("form_opendraft", [&](QWidget* window) {
            cancelOffered = !window->findChild<QPushButton*>("cmd_cancel")->isHidden();
            window->findChild<QComboBox*>("cmb_drafts")->setCurrentIndex(1);
            window->findChild<QPushButton*>("cmd_open")->click();
        });

        QCOMPARE(runStartup(state, dialogs, shell, onlyFolder(folder.str())),
                 StartupOutcome::Running);

        QVERIFY(*opened);
        QVERIFY(!cancelOffered);
        QVERIFY(state.draftLoaded);
        QCOMPARE(main.findChild<QLabel*>("lbl_template")->text(), QString("Money League"));
        QVERIFY(!main.findChild<QPushButton*>("cmd_updateDollars")->isHidden());
        closeConnection(state.dbConnection);
    }
};

QTEST_MAIN(StartupFlowTest)
#include "StartupFlowTest.moc"
