// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "LoopbackService.h"
#include "platform/CurlTransfer.h"
#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "platform/ServiceEndpoints.h"
#include "support/FakeTransfer.h"
#include "update/ServiceFetch.h"

namespace quorvane {
namespace {

using test::LoopbackService;
using test::TestProgram;
using test::trustedCertificate;

FetchedAnswer fetch(TestProgram& program, UrlTransfer& transfer, const std::string& url) {
    return fetchUrlAnswer(transfer, Log(program.state.logFilePath), url);
}

void expectConnectionErrorLogged(const TestProgram& program, const FetchedAnswer& fetched,
                                 std::string_view detail) {
    EXPECT_EQ(fetched.answer.body, "");
    ASSERT_TRUE(fetched.failure.has_value());
    EXPECT_EQ(fetched.failure->title, "Internet Connection Error");
    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 1u);
    // "YYYY-MM-DD HH:MM:SS : " and what the transfer reported.
    EXPECT_EQ(lines[0].substr(19, 3), " : ");
    EXPECT_NE(lines[0].find(detail), std::string::npos) << lines[0];
}

TEST(FetchUrlText, ReturnsTheBodyFromAServiceWithATrustedCertificate) {
    TestProgram program;
    LoopbackService service;
    ASSERT_TRUE(service.started());
    CurlTransfer transfer(trustedCertificate().certFile);
    const FetchedAnswer fetched =
        fetch(program, transfer, serviceUrl(service.host(), kVersionPath));
    EXPECT_EQ(fetched.answer.body, "1303");
    EXPECT_FALSE(fetched.failure.has_value());
    EXPECT_TRUE(program.logLines().empty());
}

TEST(FetchUrlText, TakesTheCertificateAuthorityFromTheEnvironment) {
    TestProgram program;
    LoopbackService service;
    ASSERT_TRUE(service.started());
    setenv("QUORVANE_CA_BUNDLE", trustedCertificate().certFile.c_str(), 1);
    CurlTransfer transfer;
    unsetenv("QUORVANE_CA_BUNDLE");
    EXPECT_EQ(fetch(program, transfer, serviceUrl(service.host(), kVersionPath)).answer.body,
              "1303");
}

TEST(FetchUrlText, RefusesAServiceWhoseCertificateIsNotTrusted) {
    TestProgram program;
    LoopbackService service("coach", "s3cret", "1303", test::untrustedCertificate());
    ASSERT_TRUE(service.started());
    CurlTransfer transfer(trustedCertificate().certFile);
    expectConnectionErrorLogged(program,
                                fetch(program, transfer, serviceUrl(service.host(), kVersionPath)),
                                "/draft/nba/version.asp");
}

TEST(FetchUrlText, ReportsAServiceThatClosesTheConnection) {
    TestProgram program;
    test::ClosingServer server;
    CurlTransfer transfer(trustedCertificate().certFile);
    expectConnectionErrorLogged(program,
                                fetch(program, transfer, serviceUrl(server.host(), kVersionPath)),
                                "/draft/nba/version.asp");
}

TEST(FetchUrlText, SendsNothingOverPlainHttp) {
    TestProgram program;
    test::ClosingServer server;
    CurlTransfer transfer(trustedCertificate().certFile);
    expectConnectionErrorLogged(
        program, fetch(program, transfer, "http://" + server.host() + "/draft/nba/version.asp"),
        "not HTTPS");
}

TEST(FetchUrlText, GivesTheBodyOfAnErrorPageToTheCaller) {
    // The version check ignores such answers as not numeric; they are no connection failure.
    TestProgram program;
    LoopbackService service;
    ASSERT_TRUE(service.started());
    CurlTransfer transfer(trustedCertificate().certFile);
    const FetchedAnswer fetched =
        fetch(program, transfer, serviceUrl(service.host(), "/draft/nba/nothing.asp"));
    EXPECT_EQ(fetched.answer.status, 404);
    EXPECT_FALSE(fetched.answer.body.empty());
    EXPECT_FALSE(fetched.failure.has_value());
}

TEST(FetchUrlText, NeverWritesThePasswordOfTheAccountRequestToTheLog) {
    TestProgram program;
    test::FakeTransfer transfer;
    transfer.answers.push_back({{}, 0, "Timeout (https://h/draft/nfl/user.asp)"});
    fetch(program, transfer, serviceUrl("h", accountRequestPath("coach", "hunter2")));
    CurlTransfer real(trustedCertificate().certFile, 1);
    fetch(program, real, "https://127.0.0.1:1/draft/nfl/user.asp?u=coach&p=hunter2");
    for (const auto& line : program.logLines()) {
        EXPECT_EQ(line.find("hunter2"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace quorvane
