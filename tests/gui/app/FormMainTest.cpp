// SPDX-License-Identifier: MIT
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui/app/FormAboutUs.h"
#include "gui/app/FormMain.h"
#include "gui/app/LoadedWindows.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/support/ModalWindow.h"
#include "model/DraftLoader.h"
#include "support/TestProgram.h"

using namespace quorvane;

class FormMainTest : public QObject {
    Q_OBJECT
  private slots:
    void everyMenuItemIsReady() {
        test::TestProgram program;
        gui::FormMain main(program.state, program.dialogs);
        for (const char* ready :
             {"mnuNewDraft", "mnuOpenDraft", "mnuExit", "mnuUpdateProjections",
              "mnu_edit_projections", "mnuHelpTopics", "mnuAbout", "mnuAddPlayer", "mnuKeepers",
              "mnuExRosters", "mnuExDraft", "mnuExHitProjections"}) {
            QVERIFY2(main.findChild<QAction*>(ready)->isEnabled(), ready);
        }
        // Nothing to edit before a draft is open.
        QVERIFY(!main.findChild<QMenu*>("mnuEdit")->isEnabled());
        // The standings and targets pages sit in their tabs.
        QVERIFY(
            main.tabPage(gui::FormMain::kProjectedStandings)->findChild<QWidget*>("dg_standings"));
        QVERIFY(
            main.tabPage(gui::FormMain::kCategoryTargets)->findChild<QWidget*>("cmd_set_targets"));
    }

    void everyMenuItemOpensItsWindow() {
        test::TestProgram program;
        program.newDraft("Menu League", 4, true, true);
        gui::FormMain main(program.state, program.dialogs);
        main.refreshMain();
        const std::vector<std::pair<const char*, const char*>> items = {
            {"mnuNewDraft", "form_newdraft"},
            {"mnuOpenDraft", "form_opendraft"},
            {"mnuEditDraftSettings", "form_setup"},
            {"mnuAddPlayer", "form_newPlayer"},
            {"mnuKeepers", "form_addKeepers"},
            {"mnuUpdateProjections", "form_findProjections"},
            {"mnu_edit_projections", "form_editProjections"},
            {"mnuExRosters", "form_exportDir"},
            {"mnuExDraft", "form_exportDir"},
            {"mnuExHitProjections", "form_exportDir"},
            {"mnuAbout", "form_aboutus"}};
        for (const auto& [item, window] : items) {
            test::ModalCloser closer;
            main.findChild<QAction*>(item)->trigger();
            QVERIFY2(!closer.closed.empty() && closer.closed.front() == window, item);
        }
    }

    void refreshShowsTheDraftAndAuctionControlsOnlyInAnAuction() {
        test::TestProgram program;
        program.newDraft("Snake League", 10, false, false);
        gui::FormMain main(program.state, program.dialogs);
        auto* updateDollars = main.findChild<QPushButton*>("cmd_updateDollars");
        auto* showInflation = main.findChild<QCheckBox*>("ck_original");

        main.refreshMain();
        QCOMPARE(main.findChild<QLabel*>("lbl_template")->text(), QString("Snake League"));
        QVERIFY(main.findChild<QMenu*>("mnuEdit")->isEnabled());
        QVERIFY(updateDollars->isHidden());
        QVERIFY(showInflation->isHidden());

        program.newDraft("Money League", 10, true, true);
        main.refreshMain();
        QCOMPARE(main.findChild<QLabel*>("lbl_template")->text(), QString("Money League"));
        QVERIFY(!updateDollars->isHidden());
        QVERIFY(!showInflation->isHidden());
        showInflation->click();
        QVERIFY(program.state.showInflation);
        // Ticking the box refreshes at once. The busy pointer is always given back and the action
        // buttons end enabled.
        QCOMPARE(program.dialogs.busyCalls,
                 (std::vector<bool>{true, false, true, false, true, false}));
        QVERIFY(updateDollars->isEnabled());
    }

    void aDraftWhoseSettingsCannotBeReadKeepsTheNameShownBefore() {
        test::TestProgram program;
        const int first = program.newDraft("First League", 4, false, false);
        const int second = program.newDraft("Second League", 4, false, false);
        program.exec("delete from DraftRoster where template_id = " + std::to_string(second));
        gui::FormMain main(program.state, program.dialogs);
        loadDraft(program.state, first);
        main.refreshMain();
        loadDraft(program.state, second);
        main.refreshMain();
        QCOMPARE(main.findChild<QLabel*>("lbl_template")->text(), QString("First League"));
    }

    void actionButtonsFollowTheLoadedWindows() {
        test::TestProgram program;
        program.newDraft("League", 4, true, false);
        program.state.draftLoaded = true;
        gui::FormMain main(program.state, program.dialogs);
        QVERIFY(gui::isFormLoaded("FORM_MAIN"));
        QVERIFY(!gui::isFormLoaded("form_opendraft"));
        {
            gui::FormOpenDraft open(program.state, program.dialogs, main, &main);
            QVERIFY(gui::isFormLoaded("Form_OpenDraft"));
            gui::enableActionButtons(false);
            QVERIFY(!open.findChild<QPushButton*>("cmd_open")->isEnabled());
            QVERIFY(!main.findChild<QPushButton*>("cmd_updateDollars")->isEnabled());
            gui::enableActionButtons(true);
            QVERIFY(open.findChild<QPushButton*>("cmd_open")->isEnabled());
        }
        QVERIFY(!gui::isFormLoaded("form_opendraft"));
        gui::enableActionButtons(false);
        QVERIFY(!gui::isFormLoaded("form_opendraft"));
    }

    void aTabPageCanBeReplacedWithoutLosingTheAuctionStrip() {
        test::TestProgram program;
        gui::FormMain main(program.state, program.dialogs);
        auto* page = new QWidget;
        page->setObjectName("real_research_page");
        main.setTabPage(gui::FormMain::kPlayerResearch, page);
        QVERIFY(main.findChild<QWidget*>("tab_research") == nullptr);
        QCOMPARE(main.tabPage(gui::FormMain::kPlayerResearch), page);
        QVERIFY(main.findChild<QTabWidget*>("SSTab1")->widget(1)->isAncestorOf(page));

        auto* mainView = new QWidget;
        main.setTabPage(gui::FormMain::kMainView, mainView);
        QVERIFY(main.findChild<QPushButton*>("cmd_updateDollars") != nullptr);
        QVERIFY(main.findChild<QWidget*>("tab_main") == nullptr);
    }

    void aboutWindowNamesSeasonAndVersion() {
        test::TestProgram program;
        gui::FormAboutUs about(program.state);
        QCOMPARE(about.windowTitle(), QString("About Quorvane Basketball Draft Sofware"));
        QCOMPARE(about.findChild<QLabel*>("lbl_about")->text(),
                 QString("Quorvane Basketball Draft Fantasy Basketball Draft Software 2019\n\n"
                         "Version 13.0.2"));
        about.show();
        about.findChild<QPushButton*>("cmd_exit")->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(FormMainTest)
#include "FormMainTest.moc"
