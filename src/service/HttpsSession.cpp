// SPDX-License-Identifier: MIT
#include "service/HttpsSession.h"

#include <boost/asio/post.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/write.hpp>

namespace quorvane::service {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;

namespace {

// What a quiet connection reads at a time before a request begins.
constexpr std::size_t kFirstRead = 1024;
// Room for a whole head and what a client pipelines behind it.
constexpr std::size_t kBufferLimit = 64 * 1024;
// What a closing connection reads past before it gives up on the client.
constexpr std::size_t kLingerLimit = 1024 * 1024;

std::string addressText(const asio::ip::tcp::socket& socket) {
    boost::system::error_code error;
    auto address = socket.remote_endpoint(error).address();
    // A dual-stack socket shows IPv4 clients as ::ffff:a.b.c.d; they are the same clients.
    if (address.is_v6() && address.to_v6().is_v4_mapped()) {
        address = asio::ip::make_address_v4(asio::ip::v4_mapped, address.to_v6());
    }
    return error ? std::string() : address.to_string();
}

}  // namespace

HttpsSession::HttpsSession(asio::ip::tcp::socket socket, asio::ssl::context& tls,
                           const SessionLimits& limits, const RequestHandler& handler,
                           DownloadSlots& downloads)
    : m_stream(std::move(socket), tls),
      m_limits(limits),
      m_handler(handler),
      m_downloads(downloads),
      m_address(addressText(beast::get_lowest_layer(m_stream).socket())),
      m_buffer(kBufferLimit) {}

void HttpsSession::setDeadline(std::chrono::milliseconds wait) {
    m_deadline = Clock::now() + wait;
    beast::get_lowest_layer(m_stream).expires_at(m_deadline);
}

void HttpsSession::start() {
    error_code ignored;
    beast::get_lowest_layer(m_stream).socket().set_option(asio::ip::tcp::no_delay(true), ignored);
    setDeadline(m_limits.deadline);
    m_stream.async_handshake(asio::ssl::stream_base::server,
                             [self = shared_from_this()](const error_code& error) {
                                 if (error) {
                                     return self->close();
                                 }
                                 self->awaitRequest();
                             });
}

void HttpsSession::close() {
    m_phase = Phase::Closed;
    m_download.release();
    beast::get_lowest_layer(m_stream).close();
}

void HttpsSession::awaitRequest() {
    m_phase = Phase::Idle;
    m_parser.emplace(m_limits.request);
    if (m_buffer.size() > 0) {
        return readHead();
    }
    m_buffer.shrink_to_fit();
    setDeadline(m_limits.deadline);
    m_stream.async_read_some(
        m_buffer.prepare(kFirstRead),
        [self = shared_from_this()](const error_code& error, std::size_t received) {
            if (error) {
                return self->close();
            }
            self->m_buffer.commit(received);
            self->readHead();
        });
}

void HttpsSession::readHead() {
    // The whole request must arrive within one deadline from its first byte.
    m_phase = Phase::Request;
    setDeadline(m_limits.deadline);
    http::async_read_header(
        m_stream, m_buffer, *m_parser,
        [self = shared_from_this()](const error_code& error, std::size_t) { self->onHead(error); });
}

void HttpsSession::onHead(const error_code& error) {
    if (error) {
        const int status = m_parser->refusalStatus(error);
        if (status == 0) {
            return close();
        }
        return startAnswer(HttpResponse::text(status, "Error " + std::to_string(status)), true);
    }
    if (m_parser->is_done()) {
        return dispatch();
    }
    http::async_read(m_stream, m_buffer, *m_parser,
                     [self = shared_from_this()](const error_code& bodyError, std::size_t) {
                         if (bodyError) {
                             return self->onHead(bodyError);
                         }
                         self->dispatch();
                     });
}

void HttpsSession::dispatch() {
    m_phase = Phase::Answering;
    m_deadline = Clock::time_point::max();
    beast::get_lowest_layer(m_stream).expires_never();
    const int request = ++m_answered;
    Reply reply = [self = shared_from_this(), request](HttpResponse response) {
        asio::post(self->m_stream.get_executor(),
                   [self, request, response = std::move(response)]() mutable {
                       self->answer(std::move(response), request);
                   });
    };
    try {
        m_handler(m_parser->request(), m_address, reply);
    } catch (...) {
        reply(HttpResponse::text(500, "Internal Server Error"));
    }
}

void HttpsSession::answer(HttpResponse response, int request) {
    if (m_phase != Phase::Answering || request != m_answered) {
        return;
    }
    startAnswer(std::move(response),
                !m_parser->request().keepAlive || m_answered >= m_limits.requestsPerConnection);
}

void HttpsSession::startAnswer(HttpResponse response, bool close) {
    if (response.download && m_parser->request().method != "HEAD") {
        m_download = m_downloads.take();
        if (!m_download) {
            response = HttpResponse::text(503,
                                          "Busy: too many downloads at once, try again in "
                                          "a minute");
            response.headers.emplace_back("Retry-After", "60");
        }
    }
    m_closeAfterAnswer = close;
    m_body = std::move(response.body);
    m_response.emplace(static_cast<http::status>(response.status), 11);
    m_response->set(http::field::content_type, response.contentType);
    // A HEAD answer names the size of the body it leaves out.
    const std::size_t size = m_body ? m_body->size() : 0;
    m_response->content_length(size);
    m_response->set(http::field::connection, close ? "close" : "keep-alive");
    for (const auto& [name, value] : response.headers) {
        m_response->insert(name, value);
    }
    if (m_body && m_parser->request().method != "HEAD") {
        m_response->body() = {m_body->data(), size};
    }
    m_serializer.emplace(*m_response);
    m_phase = Phase::Writing;
    writeSome();
}

void HttpsSession::writeSome() {
    if (m_serializer->is_done()) {
        m_download.release();
        m_serializer.reset();
        m_response.reset();
        m_body.reset();
        return m_closeAfterAnswer ? linger() : awaitRequest();
    }
    // A slow reader is given the deadline again for every part it takes.
    setDeadline(m_limits.deadline);
    http::async_write_some(m_stream, *m_serializer,
                           [self = shared_from_this()](const error_code& error, std::size_t) {
                               if (error) {
                                   return self->close();
                               }
                               self->writeSome();
                           });
}

void HttpsSession::linger() {
    m_phase = Phase::Lingering;
    m_parser.reset();
    m_buffer = beast::flat_buffer(kBufferLimit);
    setDeadline(m_limits.lingering);
    // The TLS close goes out first; what the client still sends is then read past undecrypted,
    // since TLS refuses data that comes after its close.
    m_stream.async_shutdown([self = shared_from_this()](const error_code& error) {
        if (error) {
            error_code ignored;
            beast::get_lowest_layer(self->m_stream)
                .socket()
                .shutdown(asio::ip::tcp::socket::shutdown_send, ignored);
            return self->drain(0);
        }
        self->close();
    });
}

void HttpsSession::drain(std::size_t drained) {
    beast::get_lowest_layer(m_stream).async_read_some(
        m_buffer.prepare(kFirstRead),
        [self = shared_from_this(), drained](const error_code& error, std::size_t received) {
            if (error || drained + received > kLingerLimit) {
                return self->close();
            }
            self->drain(drained + received);
        });
}

}  // namespace quorvane::service
