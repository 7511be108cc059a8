// SPDX-License-Identifier: MIT
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string leadingCharacters(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!isContinuationByte(text[at]) && characters++ == count) {
            return std::string(text.substr(0, at));
        }
    }
    return std::string(text);
}

std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at) {
    if (at >= text.size()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return Utf8Character{lead, 1};
    }
    // Leads C0, C1 and F5 to FF never start a well-formed sequence; the rest say how many
    // bytes follow and the lowest code point that needs that many (anything below is overlong).
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1FU;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0FU;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07U;
        lowest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!isContinuationByte(text[at + k])) {
            return std::nullopt;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3FU);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Character{code, length};
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto character = utf8CharacterAt(text, at);
        if (!character) {
            return false;
        }
        at += character->length;
    }
    return true;
}

std::string withInvalidBytesReplaced(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const auto character = utf8CharacterAt(text, at)) {
            kept.append(text.substr(at, character->length));
            at += character->length;
        } else {
            appendUtf8(kept, 0xFFFD);
            ++at;
        }
    }
    return kept;
}

void appendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += isContinuationByte(byte) ? 0 : 1;
    }
    return count;
}

bool isControlCharacter(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

bool isDirectionControl(char32_t code) {
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

bool hasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
        // U+0080 to U+009F are written C2 80 to C2 9F.
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            return true;
        }
    }
    return false;
}

std::string withoutByteOrderMarks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = text.find(kByteOrderMark); at != std::string_view::npos;
         at = text.find(kByteOrderMark)) {
        kept.append(text.substr(0, at));
        text.remove_prefix(at + kByteOrderMark.size());
    }
    kept.append(text);
    return kept;
}

}  // namespace quorvane
