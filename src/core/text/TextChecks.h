// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The longest texts the program takes, in characters. Nothing a person names is longer; a
// longer one is a broken file or an attack on whatever shows it.
inline constexpr std::size_t kMaxNameCharacters = 100;      // a first, last or whole name
inline constexpr std::size_t kMaxTeamNameCharacters = 100;  // a draft's or a room's team
inline constexpr std::size_t kMaxDraftNameCharacters = 100;
inline constexpr std::size_t kMaxTeamCodeCharacters = 30;  // a player's pro team ("LAL", "TOT")
inline constexpr std::size_t kMaxPositionCharacters = 20;
inline constexpr std::size_t kMaxPlayerNoteCharacters = 1000;
inline constexpr std::size_t kMaxDraftNotesCharacters = 20000;

enum class TextFault {
    None,
    NotUtf8,           // not well-formed UTF-8 (overlong, surrogate, past U+10FFFF, cut ...)
    ControlCharacter,  // C0 (ESC, BEL, NUL, tab, line breaks ...), DEL or C1
    DirectionControl,  // an embedding, override or isolate of the writing direction
    TooLong,
};

// A single line (a name, team, position) takes no line break or tab; notes may hold them.
enum class TextShape { Line, Lines };

// What is wrong with a text that comes in from a person, a file or a peer, judged in one place
// for every way in: strict UTF-8, no control character, no direction control, at most
// `maxCharacters` characters.
TextFault textFault(std::string_view text, std::size_t maxCharacters,
                    TextShape shape = TextShape::Line);

// The fault in words after the field's name: "holds a control character", "is longer than 100
// characters"; empty for TextFault::None.
std::string textFaultWords(TextFault fault, std::size_t maxCharacters);

// The two together: nullopt for a text that may be stored.
std::optional<std::string> textProblem(std::string_view text, std::size_t maxCharacters,
                                       TextShape shape = TextShape::Line);

// The text as it may be written into a file or shown on a terminal: every control and direction
// character (and every byte that is not UTF-8) replaced by U+FFFD. Texts stored before they were
// checked may hold any of them.
std::string withoutControlCharacters(std::string_view text);

}  // namespace quorvane
