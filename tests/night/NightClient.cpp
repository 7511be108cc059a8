// SPDX-License-Identifier: MIT
#include "NightClient.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

namespace quorvane::test {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;

HttpAnswer httpRequest(int port, const std::string& method, const std::string& target,
                       const std::string& code, const std::string& body) {
    asio::io_context io;
    beast::tcp_stream stream(io);
    stream.connect(
        tcp::endpoint(asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)));
    http::request<http::string_body> request(http::string_to_verb(method), target, 11);
    request.set(http::field::host, "127.0.0.1:" + std::to_string(port));
    if (!code.empty()) {
        request.set(http::field::authorization, "Bearer " + code);
    }
    if (!body.empty()) {
        request.set(http::field::content_type, "application/json");
        request.body() = body;
    }
    request.prepare_payload();
    http::write(stream, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    beast::error_code error;
    http::read(stream, buffer, response, error);
    HttpAnswer answer;
    if (error) {
        return answer;
    }
    answer.status = static_cast<int>(response.result_int());
    answer.body = response.body();
    answer.retryAfter = std::string(response[http::field::retry_after]);
    answer.setCookie = std::string(response[http::field::set_cookie]);
    stream.socket().shutdown(tcp::socket::shutdown_both, error);
    return answer;
}

struct ScreenClient::Impl {
    asio::io_context io;
    websocket::stream<beast::tcp_stream> socket{io};
    bool open = false;
};

ScreenClient::ScreenClient(int port, const std::string& code) : m_impl(std::make_unique<Impl>()) {
    beast::error_code error;
    beast::get_lowest_layer(m_impl->socket)
        .connect(
            tcp::endpoint(asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)),
            error);
    if (error) {
        return;
    }
    m_impl->socket.set_option(
        websocket::stream_base::decorator([code](websocket::request_type& request) {
            request.set(http::field::authorization, "Bearer " + code);
        }));
    m_impl->socket.handshake("127.0.0.1:" + std::to_string(port), "/ws", error);
    m_impl->open = !error;
}

ScreenClient::~ScreenClient() {
    if (m_impl->open) {
        beast::error_code ignored;
        beast::get_lowest_layer(m_impl->socket).close();
    }
}

bool ScreenClient::connected() const {
    return m_impl->open;
}

std::string ScreenClient::next() {
    if (!m_impl->open) {
        return {};
    }
    beast::flat_buffer buffer;
    bool done = false;
    beast::error_code failure;
    m_impl->socket.async_read(buffer, [&](const beast::error_code& error, std::size_t) {
        done = true;
        failure = error;
    });
    m_impl->io.restart();
    m_impl->io.run_for(std::chrono::seconds(2));
    if (!done || failure) {
        // A read that never finished ends with the connection: nothing waits on it any more.
        m_impl->open = false;
        beast::get_lowest_layer(m_impl->socket).close();
        m_impl->io.restart();
        m_impl->io.run_for(std::chrono::milliseconds(100));
        return {};
    }
    return beast::buffers_to_string(buffer.data());
}

}  // namespace quorvane::test
