// SPDX-License-Identifier: MIT
#include "text/TextEncoding.h"

#include <array>
#include <cctype>

#include "text/Utf8Text.h"

namespace quorvane {

namespace {

// Code points of the bytes 0x80 to 0x9F in the Windows Latin-1 code page (0 where it has none);
// the bytes from 0xA0 are the code points of the same number.
constexpr std::array<char16_t, 32> kWindows1252 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Letters of the code page: Š Œ Ž š œ ž Ÿ, À to ÿ but × and ÷.
bool isWindowsLetter(unsigned char byte) {
    switch (byte) {
        case 0x8A:
        case 0x8C:
        case 0x8E:
        case 0x9A:
        case 0x9C:
        case 0x9E:
        case 0x9F:
            return true;
        default:
            return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
    }
}

bool isAsciiLetter(unsigned char byte) {
    return std::isalpha(byte) != 0;
}

// Whether bytes read in the code page look like text: none of its undefined bytes, and how many
// of its letters stand inside words ("Müller", "José") against alone between blanks or digits,
// which is binary noise or another encoding more often than a one-letter word.
struct WindowsReading {
    bool undefinedByte = false;
    std::size_t letters = 0;
    std::size_t alone = 0;
};

void readAsWindows(std::string_view bytes, WindowsReading& reading) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto letterAt = [&](std::size_t i) {
        return i < bytes.size() && (isAsciiLetter(at(i)) || isWindowsLetter(at(i)));
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char byte = at(i);
        if (byte < 0x80) {
            continue;
        }
        if (windows1252Character(byte) == 0) {
            reading.undefinedByte = true;
        } else if (isWindowsLetter(byte)) {
            ++reading.letters;
            if (!(i > 0 && letterAt(i - 1)) && !letterAt(i + 1)) {
                ++reading.alone;
            }
        }
    }
}

}  // namespace

char32_t windows1252Character(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252[byte - 0x80] : byte;
}

void EncodingEvidence::add(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto character = utf8CharacterAt(bytes, at);
        if (!character) {
            m_invalidUtf8 = true;
            ++at;
            continue;
        }
        m_utf8Beyond = m_utf8Beyond || character->length > 1;
        at += character->length;
    }
    WindowsReading reading;
    readAsWindows(bytes, reading);
    m_windowsUndefined = m_windowsUndefined || reading.undefinedByte;
    m_windowsLetters += reading.letters;
    m_windowsAlone += reading.alone;
}

TextEncoding EncodingEvidence::encoding() const {
    const bool plausible = !m_windowsUndefined && m_windowsAlone * 2 <= m_windowsLetters;
    return m_invalidUtf8 && !m_utf8Beyond && plausible ? TextEncoding::Windows1252
                                                       : TextEncoding::Utf8;
}

TextEncoding decideEncoding(std::string_view bytes) {
    EncodingEvidence evidence;
    evidence.add(bytes);
    return evidence.encoding();
}

std::string textAsUtf8(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        return isValidUtf8(bytes) ? std::string(bytes) : withInvalidBytesReplaced(bytes);
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const char32_t code = windows1252Character(static_cast<unsigned char>(c));
        appendUtf8(text, code == 0 && c != 0 ? U'\uFFFD' : code);
    }
    return text;
}

}  // namespace quorvane
