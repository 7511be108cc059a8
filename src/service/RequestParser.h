// SPDX-License-Identifier: MIT
// Beast's parser is a heavy include: only the session and the parser's own tests see this header.
#pragma once

#include <boost/beast/http/basic_parser.hpp>

#include "service/HttpExchange.h"

namespace quorvane::service {

struct RequestLimits {
    std::size_t line = 8 * 1024;   // the request target, or any one header line
    std::size_t head = 32 * 1024;  // the whole head, blank line included
    std::size_t body = 16 * 1024;
};

// Beast's request parser (tokens, line ends, framing, chunks, the head and body limits) with the
// service's own rules on top: a target in origin form and of at most a line's length, no header
// line longer than that, no transfer coding but chunked. The body is read past and never kept:
// the service answers GET only, but the next request on the connection starts after it.
class RequestParser final : public boost::beast::http::basic_parser<true> {
  public:
    explicit RequestParser(const RequestLimits& limits);

    const HttpRequest& request() const { return m_request; }
    // The status a request that ended in `error` is refused with; 0 when there is nobody to
    // answer (the client left, the deadline passed, the connection broke).
    int refusalStatus(const boost::system::error_code& error) const;

  private:
    using error_code = boost::system::error_code;
    using string_view = boost::beast::string_view;

    void refuse(int status, error_code& ec);
    void on_request_impl(boost::beast::http::verb, string_view method, string_view target,
                         int version, error_code& ec) override;
    void on_response_impl(int, string_view, int, error_code&) override {}
    void on_field_impl(boost::beast::http::field field, string_view name, string_view value,
                       error_code& ec) override;
    void on_header_impl(error_code& ec) override;
    void on_body_init_impl(const boost::optional<std::uint64_t>&, error_code&) override {}
    std::size_t on_body_impl(string_view body, error_code&) override { return body.size(); }
    void on_chunk_header_impl(std::uint64_t, string_view, error_code&) override {}
    std::size_t on_chunk_body_impl(std::uint64_t, string_view body, error_code&) override {
        return body.size();
    }
    void on_finish_impl(error_code&) override {}

    std::size_t m_lineLimit;
    std::size_t m_headLimit;
    // The head's size as sent, less any blanks around the values: Beast holds the request line
    // and the fields to the head limit each, the service holds the two together to it.
    std::size_t m_headSize = 0;
    HttpRequest m_request;
    bool m_transferCoded = false;
    int m_refusal = 0;
};

// %XX sequences decoded (malformed ones kept as they are); '+' as a space in query texts.
std::string decodePercent(std::string_view text, bool plusIsSpace);

}  // namespace quorvane::service
