// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "service/HttpRequest.h"
#include "service/RequestBody.h"

namespace quorvane::service {
namespace {

using Outcome = HeadParse::Outcome;

// 37 bytes: "GET " 4 + "/draft/nba/version.asp" 22 + " HTTP/1.1\r\n" 11.
const std::string kRequestLine = "GET /draft/nba/version.asp HTTP/1.1\r\n";

std::string headerLine(char name, std::size_t valueLength) {
    // "X: " 3 + value + "\r\n" 2
    return std::string(1, name) + ": " + std::string(valueLength, 'a') + "\r\n";
}

TEST(RequestHeads, AreReadOnlyWhenCompleteAndDecodeTheirQuery) {
    const std::string head =
        "GET /draft/nfl/user.%61sp?u=co%61ch&p=s3cret+%26%20x&p=second&flag HTTP/1.1\n"
        "Host: x\r\n\r\nGET /next";
    EXPECT_EQ(parseRequestHead(head.substr(0, 60)).outcome, Outcome::Incomplete);
    const HeadParse parse = parseRequestHead(head);
    ASSERT_EQ(parse.outcome, Outcome::Complete);
    EXPECT_EQ(parse.length, head.find("GET /next"));
    EXPECT_EQ(parse.request.path, "/draft/nfl/user.asp");
    EXPECT_EQ(parse.request.param("u"), "coach");
    EXPECT_EQ(parse.request.param("p"), "s3cret & x");
    EXPECT_EQ(parse.request.paramCount("p"), 2U);
    EXPECT_EQ(parse.request.param("flag"), "");
    EXPECT_FALSE(parse.request.param("id"));
    EXPECT_TRUE(parse.request.keepAlive);

    EXPECT_FALSE(parseRequestHead("GET / HTTP/1.0\r\n\r\n").request.keepAlive);
    EXPECT_TRUE(
        parseRequestHead("GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n").request.keepAlive);
    EXPECT_FALSE(parseRequestHead("GET / HTTP/1.1\r\nConnection: close\r\n\r\n").request.keepAlive);
}

TEST(RequestHeads, AreRefusedAsSoonAsTheyOutgrowTheirLimits) {
    // A target of 8192 characters is the longest; a header line of 8192 too.
    EXPECT_EQ(parseRequestHead("GET /" + std::string(8191, 'a') + " HTTP/1.1\r\n\r\n").outcome,
              Outcome::Complete);
    EXPECT_EQ(parseRequestHead("GET /" + std::string(8192, 'a') + " HTTP/1.1\r\n\r\n").status, 414);
    EXPECT_EQ(parseRequestHead("GET /" + std::string(9000, 'a')).status, 414);
    EXPECT_EQ(parseRequestHead(kRequestLine + headerLine('X', 8189) + "\r\n").outcome,
              Outcome::Complete);
    EXPECT_EQ(parseRequestHead(kRequestLine + headerLine('X', 8190) + "\r\n").status, 400);

    // 37 + 327 lines of 100 + one of 29 + the blank line 2 = 32768 bytes, the whole allowance.
    std::string lines;
    for (int i = 0; i < 327; ++i) {
        lines += headerLine('F', 95);
    }
    EXPECT_EQ(parseRequestHead(kRequestLine + lines + headerLine('G', 24) + "\r\n").length, 32768U);
    EXPECT_EQ(parseRequestHead(kRequestLine + lines + headerLine('G', 25) + "\r\n").status, 431);
    // Refused before the head ends, so nothing more of it need be kept.
    EXPECT_EQ(parseRequestHead(kRequestLine + lines + lines).status, 431);
}

TEST(RequestHeads, WithAmbiguousOrUnknownFramingAreRefused) {
    for (const char* head : {
             "GET / HTTP/1.1\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n",
             "GET / HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n",
             "GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
             "GET / HTTP/1.1\r\nTransfer-Encoding: gzip\r\n\r\n",
             "GET / HTTP/1.1\r\nX: a\r\n folded\r\n\r\n",
             "GET / HTTP/1.1\r\nBad Name: a\r\n\r\n",
             "GET  HTTP/1.1\r\n\r\n",
             "GET http://host/ HTTP/1.1\r\n\r\n",
             "GET / HTTQ/1.1\r\n\r\n",
         }) {
        EXPECT_EQ(parseRequestHead(head).status, 400) << head;
    }
    EXPECT_EQ(parseRequestHead("GET / HTTP/2.0\r\n\r\n").status, 505);
    EXPECT_EQ(parseRequestHead("GET / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n")
                  .request.contentLength,
              static_cast<std::size_t>(-1));
}

TEST(RequestBodies, AreSkippedUpToTheNextRequestAndRefusedOverTheLimit) {
    HttpRequest sized;
    sized.contentLength = 10;
    BodySkipper skipSized(sized, 16384);
    std::string input = "01234";
    EXPECT_EQ(skipSized.consume(input), BodySkipper::Step::NeedMore);
    input = "56789GET";
    EXPECT_EQ(skipSized.consume(input), BodySkipper::Step::Done);
    EXPECT_EQ(input, "GET");

    HttpRequest chunked;
    chunked.chunked = true;
    BodySkipper skipChunked(chunked, 16384);
    input = "5;note=x\r\nhel";
    EXPECT_EQ(skipChunked.consume(input), BodySkipper::Step::NeedMore);
    input += "lo\r\n0\r\nTrailer: y\r\n\r\nGET";
    EXPECT_EQ(skipChunked.consume(input), BodySkipper::Step::Done);
    EXPECT_EQ(input, "GET");

    // 0x3000 + 0x1001 = 12288 + 4097 = 16385 bytes, one over.
    BodySkipper overChunked(chunked, 16384);
    input = "3000\r\n" + std::string(0x3000, 'x') + "\r\n1001\r\n";
    EXPECT_EQ(overChunked.consume(input), BodySkipper::Step::TooLarge);
    sized.contentLength = 16385;
    input.clear();
    EXPECT_EQ(BodySkipper(sized, 16384).consume(input), BodySkipper::Step::TooLarge);
    input = "zz\r\n";
    EXPECT_EQ(BodySkipper(chunked, 16384).consume(input), BodySkipper::Step::Malformed);
}

}  // namespace
}  // namespace quorvane::service
