// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane {

// The first `count` characters (code points) of UTF-8 text. The cut never falls inside a
// character's byte sequence, so "José Calderón" cut to 12 keeps the "ó" whole or not at all.
std::string leadingCharacters(std::string_view text, std::size_t count);

// True when the bytes are well-formed UTF-8 (no stray continuation bytes, no cut sequences).
bool isValidUtf8(std::string_view text);

// The code point as UTF-8 bytes, appended to the text.
void appendUtf8(std::string& text, char32_t code);

// The number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text);

// True when UTF-8 text holds a control character: C0 (NUL, ESC, line breaks, tab ...), DEL or
// C1 (U+0080 to U+009F), which no name or heading a person wrote contains.
bool hasControlCharacter(std::string_view text);

// The text without any U+FEFF byte order mark, wherever one was left (a file pasted together
// from several exports carries one at the start of a line, or inside a cell).
std::string withoutByteOrderMarks(std::string_view text);

}  // namespace quorvane
