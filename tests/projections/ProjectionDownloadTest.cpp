// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "LoopbackService.h"
#include "platform/CurlTransfer.h"
#include "projections/ProjectionDownload.h"
#include "session/ProjectionConversation.h"
#include "support/FakeTransfer.h"

namespace quorvane {
namespace {

using test::LoopbackService;
using test::TestProgram;

// Stands in for the import: keeps the text it was given and reports one player added per line.
struct ImportRecorder {
    std::vector<std::string> texts;
    ProjectionTextImport seam() {
        return [this](std::string_view text, const Progress&) {
            texts.emplace_back(text);
            return Outcome<ImportResult>(ImportResult{1, 0});
        };
    }
};

TEST(ProjectionDownload, SendsTheAccountRequestFirstThenImportsTheFile) {
    TestProgram program;
    program.state.serviceHost = "stats.example.org";
    test::FakeTransfer transfer;
    transfer.answer("OK");
    transfer.answer("playerid,x\r\n");
    ImportRecorder importer;
    const auto result = downloadProjections(program.state, program.dialogs, transfer, " coach ",
                                            " pass word ", importer.seam());
    ASSERT_TRUE(result);
    EXPECT_EQ(transfer.urls,
              (std::vector<std::string>{
                  "https://stats.example.org/draft/nfl/user.asp?u=coach&p=pass%20word",
                  "https://stats.example.org/draft/nba/da_projections.csv"}));
    EXPECT_EQ(importer.texts, std::vector<std::string>{"playerid,x\r\n"});
}

TEST(ProjectionDownload, WithoutAServiceExplainsWhyAndRequestsNothing) {
    TestProgram program;
    program.state.serviceHost.clear();
    test::FakeTransfer transfer;
    ImportRecorder importer;
    EXPECT_FALSE(downloadProjections(program.state, program.dialogs, transfer, "coach", "pw",
                                     importer.seam()));
    EXPECT_TRUE(transfer.urls.empty());
    EXPECT_TRUE(importer.texts.empty());
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_NE(program.dialogs.messages[0].text.find("No projection service is configured"),
              std::string::npos);
}

TEST(ProjectionDownload, AnAccountRequestThatFailsStopsWithAConnectionErrorAndAsksNothingMore) {
    struct Case {
        const char* what;
        TransferAnswer answer;
    };
    const std::vector<Case> cases = {
        {"no line", {"", 0, "Could not resolve host"}},
        {"time-out", {"", 0, "Timeout was reached"}},
        {"failing service", {"<h1>Internal error</h1>", 500, "HTTP 500"}},
        {"empty answer", {"", 200, "HTTP 200"}},
    };
    for (const Case& failure : cases) {
        TestProgram program;
        program.state.serviceHost = "stats.example.org";
        test::FakeTransfer transfer;
        transfer.answers.push_back(failure.answer);
        transfer.answer("playerid,x\r\n");  // would be served if it were asked for
        ImportRecorder importer;
        EXPECT_FALSE(downloadProjections(program.state, program.dialogs, transfer, "coach", "pw",
                                         importer.seam()))
            << failure.what;
        EXPECT_EQ(transfer.urls.size(), 1u) << failure.what;
        EXPECT_TRUE(importer.texts.empty()) << failure.what;
        ASSERT_EQ(program.dialogs.messages.size(), 1u) << failure.what;
        EXPECT_EQ(program.dialogs.messages[0].title, "Internet Connection Error") << failure.what;
        ASSERT_EQ(program.logLines().size(), 1u) << failure.what;
        EXPECT_NE(program.logLines()[0].find(" : " + failure.answer.info), std::string::npos);
    }
}

TEST(ProjectionDownload, AProjectionRequestThatBringsNothingIsAConnectionErrorAlone) {
    TestProgram program;
    program.state.serviceHost = "stats.example.org";
    test::FakeTransfer transfer;
    transfer.answer("OK");
    ImportRecorder importer;
    EXPECT_FALSE(downloadProjections(program.state, program.dialogs, transfer, "coach", "pw",
                                     importer.seam()));
    EXPECT_EQ(transfer.urls.size(), 2u);
    // The empty text is not handed on, to be called an invalid projection file as well.
    EXPECT_TRUE(importer.texts.empty());
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Internet Connection Error");
    ASSERT_EQ(program.logLines().size(), 1u);
    EXPECT_NE(program.logLines()[0].find(" : Could not resolve host"), std::string::npos);
}

TEST(ProjectionDownload, ARefusedOrThrottledSignInSaysWhyAndAsksNothingMore) {
    for (const auto& [status, message] :
         {std::pair{403L, kNotAuthorisedMessage}, std::pair{400L, kNotAuthorisedMessage},
          std::pair{429L, kSignInsThrottledMessage}}) {
        TestProgram program;
        program.state.serviceHost = "stats.example.org";
        test::FakeTransfer transfer;
        transfer.answer("refused", status);
        ImportRecorder importer;
        EXPECT_FALSE(downloadProjections(program.state, program.dialogs, transfer, "coach", "pw",
                                         importer.seam()));
        EXPECT_EQ(transfer.urls.size(), 1u) << status;
        EXPECT_TRUE(importer.texts.empty()) << status;
        ASSERT_EQ(program.dialogs.messages.size(), 1u) << status;
        EXPECT_EQ(program.dialogs.messages[0].text, message) << status;
    }
}

TEST(ProjectionDownload, CarriesCredentialsWithAmpersandsBlanksAndAccentsIntact) {
    TestProgram program;
    const std::string user = "J\xC3\xBCrgen & Co";
    const std::string password = "p&ss w\xC3\xB6rd=1";
    LoopbackService service(user, password);
    ASSERT_TRUE(service.started());
    program.state.serviceHost = service.host();
    CurlTransfer transfer(test::trustedCertificate().certFile);
    ImportRecorder importer;
    ASSERT_TRUE(downloadProjections(program.state, program.dialogs, transfer, "  " + user + " ",
                                    " " + password + "  ", importer.seam()));
    EXPECT_EQ(importer.texts, std::vector<std::string>{test::kServedProjections});
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(ProjectionDownload, AWrongPasswordImportsNothingAndSaysWhy) {
    TestProgram program;
    LoopbackService service("coach", "s3cret");
    ASSERT_TRUE(service.started());
    program.state.serviceHost = service.host();
    CurlTransfer transfer(test::trustedCertificate().certFile);
    ImportRecorder importer;
    // Signed in a moment ago from this same address, which must not carry over.
    ASSERT_TRUE(downloadProjections(program.state, program.dialogs, transfer, "coach", "s3cret",
                                    importer.seam()));
    EXPECT_FALSE(downloadProjections(program.state, program.dialogs, transfer, "coach", "s3cret&",
                                     importer.seam()));
    EXPECT_EQ(importer.texts.size(), 1u);
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].text, kNotAuthorisedMessage);
}

TEST(ProjectionDownload, FillsTheDatabaseWithEveryServedPlayer) {
    TestProgram program;
    LoopbackService service("coach", "s3cret");
    ASSERT_TRUE(service.started());
    program.state.serviceHost = service.host();
    CurlTransfer transfer(test::trustedCertificate().certFile);
    const auto result =
        downloadProjections(program.state, program.dialogs, transfer, "coach", "s3cret");
    ASSERT_TRUE(result) << program.dialogs.lastText();
    EXPECT_EQ(result->inserted, 3);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 3);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = 'O''Hara'"), 1);
}

}  // namespace
}  // namespace quorvane
