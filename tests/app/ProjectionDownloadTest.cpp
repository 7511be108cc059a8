// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FakeTransfer.h"
#include "LoopbackService.h"
#include "app/CurlTransfer.h"
#include "projections/ProjectionDownload.h"

namespace quorvane {
namespace {

using test::LoopbackService;
using test::TestProgram;

// Stands in for the import: keeps the text it was given and reports one player added per line.
struct ImportRecorder {
    std::vector<std::string> texts;
    ProjectionTextImport seam() {
        return [this](ProgramState&, UserDialogs&, std::string_view text) {
            texts.emplace_back(text);
            return std::optional<ImportResult>(ImportResult{1, 0});
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

TEST(ProjectionDownload, WithoutAConnectionTellsOncePerRequestAndHandsTheImportNothing) {
    TestProgram program;
    program.state.serviceHost = "stats.example.org";
    test::FakeTransfer transfer;  // answers nothing
    ImportRecorder importer;
    downloadProjections(program.state, program.dialogs, transfer, "coach", "pw", importer.seam());
    ASSERT_EQ(program.dialogs.messages.size(), 2u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Internet Connection Error");
    EXPECT_EQ(program.dialogs.messages[1].title, "Internet Connection Error");
    EXPECT_EQ(program.logLines().size(), 2u);
    // The import's own header check refuses the empty text.
    EXPECT_EQ(importer.texts, std::vector<std::string>{""});
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
