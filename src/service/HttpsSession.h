// SPDX-License-Identifier: MIT
// Asio and Beast are heavy includes: only the server and the session see this header.
#pragma once

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/serializer.hpp>
#include <boost/beast/http/span_body.hpp>
#include <boost/beast/ssl/ssl_stream.hpp>

#include <chrono>
#include <memory>
#include <optional>

#include "service/DownloadSlots.h"
#include "service/HttpExchange.h"
#include "service/RequestParser.h"

namespace quorvane::service {

struct SessionLimits {
    // For the TLS handshake, for an idle connection, for a whole request (head and body, from
    // its first byte) and for each part of an answer the client takes.
    std::chrono::milliseconds deadline{std::chrono::seconds(10)};
    RequestLimits request;
    int requestsPerConnection = 20;
    // How long a connection closed after its last answer still reads what the client sends, so
    // that the client is not reset before it has read that answer.
    std::chrono::milliseconds lingering{2000};
};

// One HTTPS connection, from the TLS handshake to its close. Every phase runs against a deadline
// set once when the phase begins, so bytes trickling in do not extend it; a connection keeps at
// most one request head and a part of a body.
class HttpsSession : public std::enable_shared_from_this<HttpsSession> {
  public:
    enum class Phase { Handshake, Idle, Request, Answering, Writing, Lingering, Closed };
    using Clock = std::chrono::steady_clock;

    HttpsSession(boost::asio::ip::tcp::socket socket, boost::asio::ssl::context& tls,
                 const SessionLimits& limits, const RequestHandler& handler,
                 DownloadSlots& downloads);

    void start();
    // Closes at once; the pending work ends with the connection.
    void close();
    Phase phase() const { return m_phase; }
    Clock::time_point deadline() const { return m_deadline; }

  private:
    using error_code = boost::system::error_code;
    using Response = boost::beast::http::response<boost::beast::http::span_body<const char>>;

    void setDeadline(std::chrono::milliseconds wait);
    void awaitRequest();
    void readHead();
    void onHead(const error_code& error);
    void dispatch();
    void answer(HttpResponse response, int request);
    void startAnswer(HttpResponse response, bool close);
    void writeSome();
    void linger();
    void drain(std::size_t drained);

    boost::beast::ssl_stream<boost::beast::tcp_stream> m_stream;
    const SessionLimits& m_limits;
    const RequestHandler& m_handler;
    DownloadSlots& m_downloads;
    DownloadSlots::Slot m_download;  // held while a download is written
    std::string m_address;
    Phase m_phase = Phase::Handshake;
    Clock::time_point m_deadline;
    boost::beast::flat_buffer m_buffer;
    std::optional<RequestParser> m_parser;
    int m_answered = 0;
    bool m_closeAfterAnswer = false;
    std::shared_ptr<const std::string> m_body;
    std::optional<Response> m_response;
    std::optional<
        boost::beast::http::response_serializer<boost::beast::http::span_body<const char>>>
        m_serializer;
};

}  // namespace quorvane::service
