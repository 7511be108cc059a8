// SPDX-License-Identifier: MIT
#include <boost/asio/buffer.hpp>
#include <boost/beast/http/error.hpp>

#include <gtest/gtest.h>

#include <string>

#include "service/RequestParser.h"

namespace quorvane::service {
namespace {

namespace http = boost::beast::http;

// 37 bytes: "GET " 4 + "/draft/nba/version.asp" 22 + " HTTP/1.1\r\n" 11.
const std::string kRequestLine = "GET /draft/nba/version.asp HTTP/1.1\r\n";

std::string headerLine(char name, std::size_t valueLength) {
    // "X: " 3 + value + "\r\n" 2
    return std::string(1, name) + ": " + std::string(valueLength, 'a') + "\r\n";
}

struct HeadRead {
    enum class Outcome { Incomplete, Complete, Refused };
    Outcome outcome = Outcome::Incomplete;
    int status = 0;          // of a refusal
    std::size_t length = 0;  // of a complete head
    HttpRequest request;
};
using Outcome = HeadRead::Outcome;

// The bytes at hand given to the parser the session reads with, as one read would.
HeadRead readHead(std::string_view bytes) {
    RequestParser parser{RequestLimits{}};
    boost::system::error_code error;
    HeadRead read;
    read.length = parser.put(boost::asio::buffer(bytes.data(), bytes.size()), error);
    if (error == http::error::need_more) {
        read.outcome = Outcome::Incomplete;
    } else if (error) {
        read.outcome = Outcome::Refused;
        read.status = parser.refusalStatus(error);
    } else {
        read.outcome = Outcome::Complete;
        read.request = parser.request();
    }
    return read;
}

// A request's body given to the parser part by part, each part losing what the parser took,
// as the session's buffer does.
class BodyRead {
  public:
    enum class Step { NeedMore, Done, TooLarge, Malformed };

    explicit BodyRead(const std::string& framing) : m_parser(RequestLimits{}) {
        m_parser.eager(true);
        const std::string head = "POST / HTTP/1.1\r\n" + framing + "\r\n\r\n";
        m_parser.put(boost::asio::buffer(head), m_error);
    }
    Step consume(std::string& input) {
        if (!m_error && !input.empty()) {
            input.erase(0, m_parser.put(boost::asio::buffer(input), m_error));
        }
        if (m_parser.is_done()) {
            return Step::Done;
        }
        if (!m_error || m_error == http::error::need_more) {
            m_error = {};
            return Step::NeedMore;
        }
        return m_parser.refusalStatus(m_error) == 413 ? Step::TooLarge : Step::Malformed;
    }

  private:
    RequestParser m_parser;
    boost::system::error_code m_error;
};
using Step = BodyRead::Step;

TEST(RequestHeads, AreReadOnlyWhenCompleteAndDecodeTheirQuery) {
    const std::string head =
        "GET /draft/nfl/user.%61sp?u=co%61ch&p=s3cret+%26%20x&p=second&flag HTTP/1.1\r\n"
        "Host: x\r\n\r\nGET /next";
    EXPECT_EQ(readHead(head.substr(0, 60)).outcome, Outcome::Incomplete);
    const HeadRead parse = readHead(head);
    ASSERT_EQ(parse.outcome, Outcome::Complete);
    EXPECT_EQ(parse.length, head.find("GET /next"));
    EXPECT_EQ(parse.request.path, "/draft/nfl/user.asp");
    EXPECT_EQ(parse.request.param("u"), "coach");
    EXPECT_EQ(parse.request.param("p"), "s3cret & x");
    EXPECT_EQ(parse.request.paramCount("p"), 2U);
    EXPECT_EQ(parse.request.param("flag"), "");
    EXPECT_FALSE(parse.request.param("id"));
    EXPECT_TRUE(parse.request.keepAlive);

    EXPECT_FALSE(readHead("GET / HTTP/1.0\r\n\r\n").request.keepAlive);
    EXPECT_TRUE(readHead("GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n").request.keepAlive);
    EXPECT_FALSE(readHead("GET / HTTP/1.1\r\nConnection: close\r\n\r\n").request.keepAlive);
    // A bare LF ends no line; a folded line is read as one, its fold a blank.
    EXPECT_EQ(readHead("GET / HTTP/1.1\nHost: x\r\n\r\n").status, 400);
    EXPECT_EQ(readHead("GET / HTTP/1.1\r\nX: a\r\n folded\r\n\r\n").outcome, Outcome::Complete);
}

TEST(RequestHeads, AreRefusedWhenTheyOutgrowTheirLimits) {
    // A target of 8192 characters is the longest; a header line of 8192 too.
    EXPECT_EQ(readHead("GET /" + std::string(8191, 'a') + " HTTP/1.1\r\n\r\n").outcome,
              Outcome::Complete);
    EXPECT_EQ(readHead("GET /" + std::string(8192, 'a') + " HTTP/1.1\r\n\r\n").status, 414);
    EXPECT_EQ(readHead(kRequestLine + headerLine('X', 8189) + "\r\n").outcome, Outcome::Complete);
    EXPECT_EQ(readHead(kRequestLine + headerLine('X', 8190) + "\r\n").status, 400);

    // 37 + 327 lines of 100 + one of 29 + the blank line 2 = 32768 bytes, the whole allowance.
    std::string lines;
    for (int i = 0; i < 327; ++i) {
        lines += headerLine('F', 95);
    }
    EXPECT_EQ(readHead(kRequestLine + lines + headerLine('G', 24) + "\r\n").length, 32768U);
    EXPECT_EQ(readHead(kRequestLine + lines + headerLine('G', 25) + "\r\n").status, 431);
    // Refused before the head ends, so no more of it need be kept.
    EXPECT_EQ(readHead(kRequestLine + lines + lines).status, 431);
    EXPECT_EQ(readHead("GET /" + std::string(40000, 'a')).status, 431);
}

TEST(RequestHeads, WithAmbiguousOrUnknownFramingAreRefused) {
    for (const char* head : {
             "GET / HTTP/1.1\r\nContent-Length: 5\r\nTransfer-Encoding: chunked\r\n\r\n",
             "GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\nContent-Length: 5\r\n\r\n",
             "GET / HTTP/1.1\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n",
             "GET / HTTP/1.1\r\nContent-Length: -1\r\n\r\n",
             "GET / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n",
             "GET / HTTP/1.1\r\nTransfer-Encoding: gzip\r\n\r\n",
             "GET / HTTP/1.1\r\nTransfer-Encoding: chunked, gzip\r\n\r\n",
             "GET / HTTP/1.1\r\nBad Name: a\r\n\r\n",
             "GET  HTTP/1.1\r\n\r\n",
             "GET http://host/ HTTP/1.1\r\n\r\n",
             "GET / HTTQ/1.1\r\n\r\n",
             "GET / HTTP/2.0\r\n\r\n",
         }) {
        EXPECT_EQ(readHead(head).status, 400) << head;
    }
}

TEST(RequestBodies, AreSkippedUpToTheNextRequestAndRefusedOverTheLimit) {
    BodyRead skipSized("Content-Length: 10");
    std::string input = "01234";
    EXPECT_EQ(skipSized.consume(input), Step::NeedMore);
    input = "56789GET";
    EXPECT_EQ(skipSized.consume(input), Step::Done);
    EXPECT_EQ(input, "GET");

    BodyRead skipChunked("Transfer-Encoding: chunked");
    input = "5;note=x\r\nhel";
    EXPECT_EQ(skipChunked.consume(input), Step::NeedMore);
    input += "lo\r\n0\r\nTrailer: y\r\n\r\nGET";
    EXPECT_EQ(skipChunked.consume(input), Step::Done);
    EXPECT_EQ(input, "GET");

    // 0x3000 + 0x1001 = 12288 + 4097 = 16385 bytes, one over.
    BodyRead overChunked("Transfer-Encoding: chunked");
    input = "3000\r\n" + std::string(0x3000, 'x') + "\r\n1001\r\n";
    EXPECT_EQ(overChunked.consume(input), Step::TooLarge);
    input.clear();
    EXPECT_EQ(BodyRead("Content-Length: 16385").consume(input), Step::TooLarge);
    input = "zz\r\n";
    EXPECT_EQ(BodyRead("Transfer-Encoding: chunked").consume(input), Step::Malformed);
}

}  // namespace
}  // namespace quorvane::service
