// SPDX-License-Identifier: MIT
#include <QTest>

#include "gui/app/FormMain.h"
#include "gui/app/GuiStartupShell.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"
#include "update/UpdateCheck.h"

using namespace quorvane;

namespace {

const std::string kUpdater = "/opt/quorvane/bin/quorvane-update";

class RecordingLauncher final : public ProgramLauncher {
  public:
    bool start(const std::string& path, const std::vector<std::string>&) override {
        started.push_back(path);
        return startable;
    }
    bool startable = true;
    std::vector<std::string> started;
};

// One start-up check against a service that answers `version`; true when start-up goes on.
struct CheckRun {
    explicit CheckRun(const std::string& version, std::deque<bool> answers = {}) {
        program.state.serviceHost = "stats.example.org";
        program.dialogs.answers = std::move(answers);
        transfer.answer(version);
    }
    bool run() {
        gui::FormMain main(program.state, program.dialogs);
        gui::GuiStartupShell shell(main, program.state, program.dialogs, transfer, launcher,
                                   kUpdater);
        return shell.runUpdateCheck();
    }
    test::TestProgram program;
    test::FakeTransfer transfer;
    RecordingLauncher launcher;
};

}  // namespace

class UpdateCheckShellTest : public QObject {
    Q_OBJECT
  private slots:
    void aNewerVersionIsOfferedAndYesStartsTheUpdaterAndEndsTheProgram() {
        CheckRun check("1303\r\n", {true});
        QVERIFY(!check.run());
        QCOMPARE(check.transfer.urls,
                 std::vector<std::string>{"https://stats.example.org/draft/nba/version.asp"});
        QCOMPARE(check.program.dialogs.questions.size(), std::size_t{1});
        QCOMPARE(check.program.dialogs.questions[0].title, std::string(kUpdateTitle));
        QCOMPARE(check.program.dialogs.questions[0].text, std::string(kUpdateQuestion));
        QCOMPARE(check.launcher.started, std::vector<std::string>{kUpdater});
    }

    void noOfferForTheSameVersionOrALaterLine() {
        for (const std::string version : {"1302", "1400"}) {
            CheckRun check(version, {true});
            QVERIFY(check.run());
            QVERIFY2(check.program.dialogs.questions.empty(), version.c_str());
            QVERIFY(check.launcher.started.empty());
        }
    }

    void declinedOrUnstartableUpdateLetsTheProgramGoOn() {
        CheckRun declined("1303", {false});
        QVERIFY(declined.run());
        QCOMPARE(declined.program.dialogs.questions.size(), std::size_t{1});
        QVERIFY(declined.launcher.started.empty());

        CheckRun missing("1303", {true});
        missing.launcher.startable = false;
        QVERIFY(missing.run());
        QCOMPARE(missing.launcher.started.size(), std::size_t{1});
        QCOMPARE(missing.program.dialogs.messages.size(), std::size_t{1});
    }

    void withoutAServiceNothingIsAskedOrShown() {
        CheckRun check("1303", {true});
        check.program.state.serviceHost.clear();
        QVERIFY(check.run());
        QVERIFY(check.transfer.urls.empty());
        QVERIFY(check.program.dialogs.questions.empty());
        QVERIFY(check.program.dialogs.messages.empty());
    }
};

QTEST_MAIN(UpdateCheckShellTest)
#include "UpdateCheckShellTest.moc"
