// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

// How the bytes of a text file are read.
enum class TextEncoding { Utf8, Windows1252 };

// Decides a file's code page on all of its bytes, given piece by piece (whole lines, so that no
// character is cut): UTF-8 when every byte is well-formed UTF-8; the Windows Latin-1 code page
// that spreadsheets save "CSV" in only when no well-formed UTF-8 character beyond ASCII appears,
// none of the code page's undefined bytes does, and at least half of the letters that reading
// gives stand inside words. Anything else is UTF-8
// with a few broken bytes, whose lines do not fit and are named, never the whole file re-read:
// reading a UTF-8 file as the code page turns every "ć" into "Ä‡".
class EncodingEvidence {
  public:
    void add(std::string_view bytes);
    TextEncoding encoding() const;
    // True when some bytes are not UTF-8 although the file is read as UTF-8.
    bool hasUnreadableBytes() const { return m_invalidUtf8 && encoding() == TextEncoding::Utf8; }

  private:
    bool m_invalidUtf8 = false;
    bool m_utf8Beyond = false;
    bool m_windowsUndefined = false;
    std::size_t m_windowsLetters = 0;
    std::size_t m_windowsAlone = 0;
};

TextEncoding decideEncoding(std::string_view bytes);

// The bytes as UTF-8 text in the code page given: for UTF-8 every byte that is not part of a
// well-formed character becomes U+FFFD (the readers refuse what holds one), for the Windows
// code page every byte is converted and its five undefined bytes become U+FFFD.
std::string textAsUtf8(std::string_view bytes, TextEncoding encoding);

// The character a byte stands for in the Windows Latin-1 code page; 0 for its undefined bytes.
char32_t windows1252Character(unsigned char byte);

}  // namespace quorvane
