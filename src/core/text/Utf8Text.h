// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The first `count` characters (code points) of UTF-8 text. The cut never falls inside a
// character's byte sequence, so "José Calderón" cut to 12 keeps the "ó" whole or not at all.
std::string leadingCharacters(std::string_view text, std::size_t count);

// The character that starts at `at` and the number of its bytes, or nullopt when the bytes
// there are not well-formed UTF-8: a stray continuation byte, a cut sequence, an overlong form
// ("/" written in two bytes), a surrogate (U+D800 to U+DFFF) or a code point past U+10FFFF.
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};
std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at);

// True when the bytes are well-formed UTF-8 throughout, in the sense of utf8CharacterAt.
bool isValidUtf8(std::string_view text);

// The text with every byte that is not part of a well-formed character replaced by U+FFFD.
std::string withInvalidBytesReplaced(std::string_view text);

// The code point as UTF-8 bytes, appended to the text.
void appendUtf8(std::string& text, char32_t code);

// The number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view text);

// True when UTF-8 text holds a control character: C0 (NUL, ESC, line breaks, tab ...), DEL or
// C1 (U+0080 to U+009F), which no name or heading a person wrote contains.
bool hasControlCharacter(std::string_view text);
bool isControlCharacter(char32_t code);

// The embeddings, overrides and isolates that turn the writing direction of what follows
// (U+202A to U+202E, U+2066 to U+2069): one in a name makes a list show other text than it
// holds.
bool isDirectionControl(char32_t code);

// The text without any U+FEFF byte order mark, wherever one was left (a file pasted together
// from several exports carries one at the start of a line, or inside a cell).
std::string withoutByteOrderMarks(std::string_view text);

}  // namespace quorvane
