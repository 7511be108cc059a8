// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/HelpPages.h"
#include "platform/ServiceEndpoints.h"
#include "platform/ServiceSettings.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

TEST(AccountRequest, TrimsAndEncodesCredentialsSoTheyArriveAsTyped) {
    EXPECT_EQ(accountRequestPath("  coach  ", " s3cret "), "/draft/nfl/user.asp?u=coach&p=s3cret");
    // "&" and "=" would otherwise end the value or start a new parameter.
    EXPECT_EQ(accountRequestPath("tom&jerry", "a=b&u=admin"),
              "/draft/nfl/user.asp?u=tom%26jerry&p=a%3Db%26u%3Dadmin");
    // Blanks inside stay, encoded; letters beyond ASCII go as their UTF-8 bytes.
    EXPECT_EQ(accountRequestPath("J\xC3\xBCrgen M", "p w%+"),
              "/draft/nfl/user.asp?u=J%C3%BCrgen%20M&p=p%20w%25%2B");
    EXPECT_EQ(percentEncode("a-b_c.d~e"), "a-b_c.d~e");
}

TEST(PlayerPages, ExistOnTheServiceForProjectedPlayersOnly) {
    EXPECT_EQ(playerPagePath(3115), "/draft/nba/da_player.asp?id=3115");
    EXPECT_TRUE(hasServicePlayerPage(1));
    EXPECT_TRUE(hasServicePlayerPage(19999));
    EXPECT_FALSE(hasServicePlayerPage(20000));
    EXPECT_FALSE(hasServicePlayerPage(0));
}

TEST(ServiceHost, AcceptsHostsAndPortsAndRefusesAnythingThatChangesTheAddress) {
    for (const char* host :
         {"projections.example.org", "127.0.0.1:8443", "[::1]:8443", "[::1]", "my-league.net"}) {
        EXPECT_TRUE(isValidServiceHost(host)) << host;
    }
    for (const char* host :
         {"", "evil.org/path", "user@evil.org", "a b", "host:0", "host:65536", "host:", "host:12x",
          ":8443", "[::1", "-x.org", "x.org?q=1", "x.org#f"}) {
        EXPECT_FALSE(isValidServiceHost(host)) << host;
    }
}

struct ServiceHostEnvironment : ::testing::Test {
    void SetUp() override { unsetenv("QUORVANE_SERVICE_HOST"); }
    void TearDown() override { unsetenv("QUORVANE_SERVICE_HOST"); }
    void writeSettings(const std::string& text) {
        std::ofstream(folder.str() + "/" + kSettingsFileName, std::ios::binary) << text;
    }
    test::TempFolder folder;
};

TEST_F(ServiceHostEnvironment, ComesFromTheSettingsFileUnlessTheEnvironmentNamesOne) {
    EXPECT_EQ(loadServiceSettings(folder.str()).serviceHost, "");

    writeSettings(
        "# league server\r\nserviceHost = stats.example.org:9443\r\n"
        "supportAddress = help@example.org\r\n");
    const ServiceSettings fromFile = loadServiceSettings(folder.str());
    EXPECT_EQ(fromFile.serviceHost, "stats.example.org:9443");
    EXPECT_EQ(fromFile.supportAddress, "help@example.org");

    setenv("QUORVANE_SERVICE_HOST", "127.0.0.1:8443", 1);
    EXPECT_EQ(loadServiceSettings(folder.str()).serviceHost, "127.0.0.1:8443");

    setenv("QUORVANE_SERVICE_HOST", "evil.org/steal?x=", 1);
    EXPECT_EQ(loadServiceSettings(folder.str()).serviceHost, "");
}

TEST_F(ServiceHostEnvironment, TakeTheLastSettingOfAKeyAndSkipCommentsAndStrayLines) {
    writeSettings(
        "serviceHost=first.example.org\n\tserviceHost\t=\tsecond.example.org  \n"
        "  # serviceHost=commented.example.org\nserviceHost\nsupportAddress=a=b@x.org");
    const ServiceSettings settings = loadServiceSettings(folder.str());
    EXPECT_EQ(settings.serviceHost, "second.example.org");
    EXPECT_EQ(settings.supportAddress, "a=b@x.org");
    // A host that would change the address is dropped, not cut down to something else.
    writeSettings("serviceHost = evil.org/x?u=\r\n");
    EXPECT_EQ(loadServiceSettings(folder.str()).serviceHost, "");
}

TEST(HelpPages, ExistLocallyForEveryButtonAndExplainTheirTab) {
    const std::pair<HelpPage, const char*> pages[] = {
        {HelpPage::Topics, "Help Topics"},
        {HelpPage::Main, "Main View"},
        {HelpPage::Research, "Player Research"},
        {HelpPage::Standings, "Projected Standings"},
        {HelpPage::Targets, "Category Targets"},
        {HelpPage::Advice, "Pick Advice"},
        {HelpPage::Board, "Draft Board, Banner and Keys"},
    };
    ASSERT_EQ(helpPageEntries().size(), std::size(pages));
    for (const auto& [page, title] : pages) {
        std::ifstream file(localHelpFile(helpPageEntry(page).localFile));
        ASSERT_TRUE(file) << helpPageEntry(page).localFile;
        const std::string text((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
        EXPECT_NE(text.find(title), std::string::npos) << title;
    }
    EXPECT_TRUE(std::ifstream(localHelpFile(kConnectErrorPage)).good());
}

TEST(HelpPages, OpenOnTheServiceWhenOneIsConfiguredAndLocallyOtherwise) {
    test::TestProgram program;
    program.state.serviceHost.clear();
    const std::string local = helpPageAddress(program.state.serviceHost, HelpPage::Standings);
    EXPECT_EQ(local.rfind("file://", 0), 0u);
    EXPECT_NE(local.find("help_standings.htm"), std::string::npos);

    program.state.serviceHost = "127.0.0.1:8443";
    EXPECT_EQ(helpPageAddress(program.state.serviceHost, HelpPage::Standings),
              "https://127.0.0.1:8443/draft/nba/help_standings.asp");
    EXPECT_EQ(helpPageAddress(program.state.serviceHost, HelpPage::Topics),
              "https://127.0.0.1:8443/draft/nba/da_index.asp");
}

}  // namespace
}  // namespace quorvane
