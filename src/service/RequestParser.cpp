// SPDX-License-Identifier: MIT
#include "service/RequestParser.h"

#include <boost/beast/http/error.hpp>

#include "text/HexText.h"

namespace quorvane::service {

namespace http = boost::beast::http;

namespace {

void parseQuery(std::string_view text, HttpRequest& request) {
    while (!text.empty()) {
        const auto amp = text.find('&');
        const auto pair = text.substr(0, amp);
        if (!pair.empty()) {
            const auto equals = pair.find('=');
            request.query.emplace_back(decodePercent(pair.substr(0, equals), true),
                                       equals == std::string_view::npos
                                           ? ""
                                           : decodePercent(pair.substr(equals + 1), true));
        }
        text = amp == std::string_view::npos ? std::string_view() : text.substr(amp + 1);
    }
}

}  // namespace

std::string decodePercent(std::string_view text, bool plusIsSpace) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigitValue(text[i + 1]) >= 0 &&
            hexDigitValue(text[i + 2]) >= 0) {
            decoded +=
                static_cast<char>(hexDigitValue(text[i + 1]) * 16 + hexDigitValue(text[i + 2]));
            i += 2;
        } else if (plusIsSpace && text[i] == '+') {
            decoded += ' ';
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

RequestParser::RequestParser(const RequestLimits& limits)
    : m_lineLimit(limits.line), m_headLimit(limits.head) {
    header_limit(static_cast<std::uint32_t>(limits.head));
    body_limit(limits.body);
}

int RequestParser::refusalStatus(const boost::system::error_code& error) const {
    if (m_refusal != 0) {
        return m_refusal;
    }
    // A head that outgrows the read buffer has outgrown its limit as well.
    if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        return 431;
    }
    if (error == http::error::body_limit) {
        return 413;
    }
    if (error == http::error::end_of_stream || error == http::error::partial_message) {
        return 0;
    }
    return error.category() == http::make_error_code(http::error::bad_method).category() ? 400 : 0;
}

void RequestParser::refuse(int status, error_code& ec) {
    m_refusal = status;
    ec = http::error::bad_value;
}

void RequestParser::on_request_impl(http::verb, string_view method, string_view target, int,
                                    error_code& ec) {
    if (target.size() > m_lineLimit) {
        return refuse(414, ec);
    }
    // Absolute and asterisk forms name nothing this service serves.
    if (target.empty() || target.front() != '/') {
        return refuse(400, ec);
    }
    m_request.method = std::string(method);
    // "METHOD TARGET HTTP/1.1" and its line end.
    m_headSize = method.size() + target.size() + 12;
    const std::string_view whole(target.data(), target.size());
    const auto question = whole.find('?');
    m_request.path = decodePercent(whole.substr(0, question), false);
    if (question != std::string_view::npos) {
        parseQuery(whole.substr(question + 1), m_request);
    }
}

void RequestParser::on_field_impl(http::field field, string_view name, string_view value,
                                  error_code& ec) {
    // "Name: value", as the line was sent less its blanks around the value.
    if (name.size() + 2 + value.size() > m_lineLimit) {
        return refuse(400, ec);
    }
    m_transferCoded = m_transferCoded || field == http::field::transfer_encoding;
    m_headSize += name.size() + 4 + value.size();
}

void RequestParser::on_header_impl(error_code& ec) {
    // The blank line ends the head.
    if (m_headSize + 2 > m_headLimit) {
        return refuse(431, ec);
    }
    // Beast reads a body that is not chunked as if it had none: the rest would be taken for the
    // next request, so such a request is refused instead.
    if (m_transferCoded && !chunked()) {
        return refuse(400, ec);
    }
    m_request.keepAlive = keep_alive();
}

}  // namespace quorvane::service
