// SPDX-License-Identifier: MIT
#include "service/HttpRequest.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace quorvane::service {

namespace {

// Room for the method and the version beside a target of the longest allowed length.
constexpr std::size_t kRequestLineExtra = 32;

bool isTokenCharacter(unsigned char c) {
    return std::isalnum(c) ||
           std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

bool isToken(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return isTokenCharacter(static_cast<unsigned char>(c));
    });
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Comma-separated list members, lower case.
std::vector<std::string> listMembers(std::string_view value) {
    std::vector<std::string> members;
    while (!value.empty()) {
        const auto comma = value.find(',');
        const auto member = trimmed(value.substr(0, comma));
        if (!member.empty()) {
            members.push_back(lowered(member));
        }
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    return members;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

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

// The request line; 0 when it is good, else the status of the refusal.
int parseRequestLine(std::string_view line, const HeadLimits& limits, HttpRequest& request,
                     bool& http10) {
    const auto first = line.find(' ');
    const auto last = line.rfind(' ');
    if (first == std::string_view::npos || first == last) {
        return 400;
    }
    request.method = std::string(line.substr(0, first));
    const auto target = line.substr(first + 1, last - first - 1);
    const auto version = line.substr(last + 1);
    if (!isToken(request.method) || target.empty() || target.front() != '/' ||
        target.find(' ') != std::string_view::npos) {
        return target.size() > limits.line ? 414 : 400;
    }
    if (target.size() > limits.line) {
        return 414;
    }
    if (!version.starts_with("HTTP/") || version.size() != 8 || version[6] != '.' ||
        !std::isdigit(static_cast<unsigned char>(version[5])) ||
        !std::isdigit(static_cast<unsigned char>(version[7]))) {
        return 400;
    }
    if (version[5] != '1') {
        return 505;
    }
    http10 = version[7] == '0';
    const auto question = target.find('?');
    request.path = decodePercent(target.substr(0, question), false);
    if (question != std::string_view::npos) {
        parseQuery(target.substr(question + 1), request);
    }
    return 0;
}

std::size_t decimalValue(std::string_view text, bool& valid) {
    valid = !text.empty();
    std::size_t value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            valid = false;
            return 0;
        }
        const std::size_t digit = static_cast<std::size_t>(c - '0');
        value = value > (std::numeric_limits<std::size_t>::max() - digit) / 10
                    ? std::numeric_limits<std::size_t>::max()
                    : value * 10 + digit;
    }
    return value;
}

// One header line; false when it is malformed. Framing headers are checked strictly, since a
// request that two readers could split differently is refused rather than guessed at.
bool parseHeaderLine(std::string_view line, HttpRequest& request, bool& hasLength,
                     bool& hasTransferCoding, bool& keepAliveAsked, bool& closeAsked) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || !isToken(line.substr(0, colon))) {
        return false;
    }
    const std::string name = lowered(line.substr(0, colon));
    const auto value = trimmed(line.substr(colon + 1));
    if (name == "content-length") {
        bool valid = false;
        const std::size_t length = decimalValue(value, valid);
        if (!valid || (hasLength && length != request.contentLength)) {
            return false;
        }
        hasLength = true;
        request.contentLength = length;
    } else if (name == "transfer-encoding") {
        const auto codings = listMembers(value);
        if (hasTransferCoding || codings.empty() || codings.back() != "chunked") {
            return false;
        }
        hasTransferCoding = true;
        request.chunked = true;
    } else if (name == "connection") {
        for (const auto& option : listMembers(value)) {
            closeAsked = closeAsked || option == "close";
            keepAliveAsked = keepAliveAsked || option == "keep-alive";
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> HttpRequest::param(std::string_view name) const {
    for (const auto& [key, value] : query) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

std::size_t HttpRequest::paramCount(std::string_view name) const {
    return static_cast<std::size_t>(std::count_if(
        query.begin(), query.end(), [name](const auto& entry) { return entry.first == name; }));
}

std::string decodePercent(std::string_view text, bool plusIsSpace) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (plusIsSpace && text[i] == '+') {
            decoded += ' ';
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

HeadParse parseRequestHead(std::string_view bytes, const HeadLimits& limits) {
    HeadParse parse;
    const auto refuse = [&parse](int status) {
        parse.outcome = HeadParse::Outcome::Refused;
        parse.status = status;
        return parse;
    };
    std::size_t position = 0;
    // Blank lines before a request line are left over from the previous request's client.
    while (position < bytes.size() && (bytes[position] == '\r' || bytes[position] == '\n')) {
        ++position;
    }
    bool requestLineSeen = false;
    bool http10 = false;
    bool hasLength = false;
    bool hasTransferCoding = false;
    bool keepAliveAsked = false;
    bool closeAsked = false;
    for (;;) {
        const auto end = bytes.find('\n', position);
        const std::size_t lineLimit =
            requestLineSeen ? limits.line : limits.line + kRequestLineExtra;
        if (end == std::string_view::npos) {
            if (bytes.size() - position > lineLimit) {
                return refuse(requestLineSeen ? 400 : 414);
            }
            return bytes.size() > limits.total ? refuse(431) : parse;
        }
        if (end + 1 > limits.total) {
            return refuse(431);
        }
        std::string_view line = bytes.substr(position, end - position);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        position = end + 1;
        if (line.size() > lineLimit) {
            return refuse(requestLineSeen ? 400 : 414);
        }
        if (line.find('\0') != std::string_view::npos ||
            line.find('\r') != std::string_view::npos) {
            return refuse(400);
        }
        if (!requestLineSeen) {
            if (const int status = parseRequestLine(line, limits, parse.request, http10)) {
                return refuse(status);
            }
            requestLineSeen = true;
            continue;
        }
        if (line.empty()) {
            break;
        }
        // Folded continuation lines are obsolete and read differently by different servers.
        if (line.front() == ' ' || line.front() == '\t' ||
            !parseHeaderLine(line, parse.request, hasLength, hasTransferCoding, keepAliveAsked,
                             closeAsked)) {
            return refuse(400);
        }
    }
    if (hasLength && hasTransferCoding) {
        return refuse(400);
    }
    parse.request.keepAlive = !closeAsked && (!http10 || keepAliveAsked);
    parse.outcome = HeadParse::Outcome::Complete;
    parse.length = position;
    return parse;
}

}  // namespace quorvane::service
