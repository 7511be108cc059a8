// SPDX-License-Identifier: MIT
#include "text/TerminalText.h"

namespace quorvane {

namespace {

constexpr char kShownInstead = '?';

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The continuation bytes a lead byte announces; 0 for a byte that cannot begin a character
// (overlong two-byte forms, bytes above the last code point).
std::size_t continuationsAfter(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return 0;
}

// The second byte of a sequence decides overlong forms, surrogates and code points past
// U+10FFFF, and the C1 controls U+0080 to U+009F.
bool secondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
        case 0xC2:
            return second >= 0xA0;  // below are the C1 controls
        case 0xE0:
            return second >= 0xA0;
        case 0xED:
            return second <= 0x9F;
        case 0xF0:
            return second >= 0x90;
        case 0xF4:
            return second <= 0x8F;
        default:
            return true;
    }
}

}  // namespace

TerminalTextBuffer::~TerminalTextBuffer() {
    std::string shown;
    dropPending(shown);
    m_target->sputn(shown.data(), static_cast<std::streamsize>(shown.size()));
}

void TerminalTextBuffer::dropPending(std::string& shown) {
    if (!m_pending.empty()) {
        shown += kShownInstead;
        m_pending.clear();
        m_remaining = 0;
    }
}

void TerminalTextBuffer::take(unsigned char byte, std::string& shown) {
    if (m_remaining > 0) {
        const bool fits = isContinuation(byte) &&
                          (m_pending.size() > 1 ||
                           secondByteFits(static_cast<unsigned char>(m_pending[0]), byte));
        if (fits) {
            m_pending += static_cast<char>(byte);
            if (--m_remaining == 0) {
                shown += m_pending;
                m_pending.clear();
            }
            return;
        }
        dropPending(shown);
        if (isContinuation(byte)) {
            return;  // the rest of the character already shown as one mark
        }
    }
    if (byte < 0x80) {
        const bool control = (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
        shown += control ? kShownInstead : static_cast<char>(byte);
        return;
    }
    m_remaining = continuationsAfter(byte);
    if (m_remaining == 0) {
        shown += kShownInstead;
        return;
    }
    m_pending = static_cast<char>(byte);
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const char byte = traits_type::to_char_type(c);
    return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

std::streamsize TerminalTextBuffer::xsputn(const char* text, std::streamsize count) {
    std::string shown;
    shown.reserve(static_cast<std::size_t>(count));
    for (std::streamsize i = 0; i < count; ++i) {
        take(static_cast<unsigned char>(text[i]), shown);
    }
    const auto size = static_cast<std::streamsize>(shown.size());
    return m_target->sputn(shown.data(), size) == size ? count : 0;
}

int TerminalTextBuffer::sync() {
    return m_target->pubsync();
}

TerminalStream::TerminalStream(std::ostream& target)
    : m_buffer(target.rdbuf()), m_stream(&m_buffer) {}

}  // namespace quorvane
