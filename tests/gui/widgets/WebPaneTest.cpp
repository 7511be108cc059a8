// SPDX-License-Identifier: MIT
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "gui/widgets/WebPane.h"
#include "platform/HelpPages.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"

using namespace quorvane;

namespace {

const QString kConnectErrorTitle = QStringLiteral("Page not available");

void loadGuard(test::TestProgram& program) {
    const std::string text =
        "playerid,statindicator,yearofprojection,firstname,lastname\n"
        "7,P,2019,Al,Guard,G,BOS,1990-01-02,70,2000,100,80,900,400,300,100,50,250,300,70,30,120,"
        "5,1,2019-10-15,0,0,1,0,0,0,0\n";
    QVERIFY(importProjectionText(program.state, program.dialogs, text));
}

}  // namespace

class WebPaneTest : public QObject {
    Q_OBJECT
  private slots:
    void withoutAServiceEveryHelpPageIsTheLocalCopy() {
        test::TestProgram program;
        program.state.serviceHost.clear();
        test::FakeTransfer transfer;
        gui::WebPane pane(program.state, transfer);
        QCOMPARE(pane.objectName(), QString("wb1"));

        const std::pair<HelpPage, QString> pages[] = {
            {HelpPage::Main, "Help: Main View"},
            {HelpPage::Research, "Help: Player Research"},
            {HelpPage::Standings, "Help: Projected Standings"},
            {HelpPage::Targets, "Help: Category Targets"},
            {HelpPage::Topics, "Quorvane Basketball Draft Help"},
        };
        for (const auto& [page, title] : pages) {
            pane.showHelp(page);
            QCOMPARE(pane.documentTitle(), title);
        }
        // The topics page links to the other pages by relative names.
        emit pane.anchorClicked(QUrl("help_targets.htm"));
        QCOMPARE(pane.documentTitle(), QString("Help: Category Targets"));
        pane.showStartPage();
        QCOMPARE(pane.documentTitle(), QString("Quorvane Basketball Draft Help"));
        QVERIFY(transfer.urls.empty());
    }

    void servicePagesComeThroughTheTransferOffTheWindowThread() {
        test::TestProgram program;
        program.state.serviceHost = "stats.example.org";
        test::FakeTransfer transfer;
        transfer.answer(
            "<html><head><title>Served topics</title></head><body>"
            "<a href=\"help_main.asp\">Main</a></body></html>");
        transfer.answer("<html><head><title>Served main</title></head></html>");
        transfer.answer("<html><head><title>Player 101</title></head></html>");
        gui::WebPane pane(program.state, transfer);

        pane.showStartPage();
        QCOMPARE(pane.documentTitle(), QString("Served topics"));
        emit pane.anchorClicked(QUrl("help_main.asp"));
        QCOMPARE(pane.documentTitle(), QString("Served main"));
        pane.showPlayerPage(101);
        QCOMPARE(pane.documentTitle(), QString("Player 101"));
        // The user's own players are unknown to the service.
        pane.showPlayerPage(20000);
        pane.showPlayerPage(0);
        QCOMPARE(pane.documentTitle(), QString("Player 101"));

        QCOMPARE(transfer.urls, (std::vector<std::string>{
                                    "https://stats.example.org/draft/nba/da_index.asp",
                                    "https://stats.example.org/draft/nba/help_main.asp",
                                    "https://stats.example.org/draft/nba/da_player.asp?id=101"}));
        for (const auto& thread : transfer.threads) {
            QVERIFY(thread != std::this_thread::get_id());
        }
        QVERIFY(program.dialogs.messages.empty());
    }

    void whatCannotBeLoadedShowsTheLocalConnectErrorPage() {
        test::TestProgram program;
        program.state.serviceHost = "stats.example.org";
        test::FakeTransfer transfer;
        gui::WebPane pane(program.state, transfer);

        pane.showHelp(HelpPage::Research);  // no answer at all
        QCOMPARE(pane.documentTitle(), kConnectErrorTitle);
        QVERIFY(program.dialogs.messages.empty());

        pane.showHelp(HelpPage::Topics);
        transfer.answer("<html><head><title>Not Found</title></head></html>", 404);
        pane.showHelp(HelpPage::Main);
        QCOMPARE(pane.documentTitle(), kConnectErrorTitle);

        // Plain HTTP and missing local files are failures too, without a request.
        transfer.answer("<html><head><title>Served topics</title></head></html>");
        pane.showStartPage();
        QCOMPARE(pane.documentTitle(), QString("Served topics"));
        emit pane.anchorClicked(QUrl("http://elsewhere.example.org/"));
        QCOMPARE(pane.documentTitle(), kConnectErrorTitle);
        pane.navigate("file:///no/such/folder/page.htm");
        QCOMPARE(pane.documentTitle(), kConnectErrorTitle);
        // A service page does not open files of this computer.
        transfer.answer("<html><head><title>Served topics</title></head></html>");
        pane.showStartPage();
        emit pane.anchorClicked(QUrl::fromLocalFile(
            QString::fromStdString(localHelpFile(helpPageEntry(HelpPage::Main).localFile))));
        QCOMPARE(pane.documentTitle(), kConnectErrorTitle);
        QCOMPARE(transfer.urls.size(), std::size_t{5});

        // The error page's own link leads back to the local help.
        emit pane.anchorClicked(QUrl("da_index.htm"));
        QCOMPARE(pane.documentTitle(), QString("Quorvane Basketball Draft Help"));
    }

    void helpInstalledUnderAFolderWithBlanksAndHashesStillOpens() {
        test::TestProgram program;
        program.state.serviceHost.clear();
        const std::filesystem::path shipped = localHelpFolder();
        const std::filesystem::path copy = program.folder.path() / "my help #2";
        std::filesystem::copy(shipped, copy);
        ::setenv("QUORVANE_HELP_DIR", copy.c_str(), 1);
        test::FakeTransfer transfer;
        gui::WebPane pane(program.state, transfer);
        pane.showHelp(HelpPage::Standings);
        const QString standings = pane.documentTitle();
        emit pane.anchorClicked(QUrl("da_index.htm"));
        const QString topics = pane.documentTitle();
        ::unsetenv("QUORVANE_HELP_DIR");
        QCOMPARE(standings, QString("Help: Projected Standings"));
        QCOMPARE(topics, QString("Quorvane Basketball Draft Help"));
    }

    void withoutAServicePlayerPagesAreMadeFromTheDatabase() {
        test::TestProgram program;
        program.state.serviceHost.clear();
        loadGuard(program);
        test::FakeTransfer transfer;
        gui::WebPane pane(program.state, transfer);
        pane.showHelp(HelpPage::Main);

        pane.showPlayerPage(7);
        QVERIFY(pane.toPlainText().contains("Al Guard"));
        QVERIFY(pane.toPlainText().contains("BOS"));
        QVERIFY(pane.currentAddress().isEmpty());
        pane.showPlayerPage(20001);
        QVERIFY(pane.toPlainText().contains("Al Guard"));
        QVERIFY(transfer.urls.empty());
    }
};

QTEST_MAIN(WebPaneTest)
#include "WebPaneTest.moc"
