// SPDX-License-Identifier: MIT
#include "text/TextChecks.h"

#include <fmt/format.h>

#include "text/Utf8Text.h"

namespace quorvane {

namespace {

bool isLineBreakOrTab(char32_t code) {
    return code == U'\n' || code == U'\r' || code == U'\t';
}

// The line and paragraph separators end a line wherever text is shown, like LF.
bool isLineSeparator(char32_t code) {
    return code == 0x2028 || code == 0x2029;
}

}  // namespace

TextFault textFault(std::string_view text, std::size_t maxCharacters, TextShape shape) {
    std::size_t characters = 0;
    TextFault found = TextFault::None;
    for (std::size_t at = 0; at < text.size();) {
        const auto character = utf8CharacterAt(text, at);
        if (!character) {
            return TextFault::NotUtf8;
        }
        const char32_t code = character->code;
        const bool allowedBreak = shape == TextShape::Lines && isLineBreakOrTab(code);
        if (found == TextFault::None && !allowedBreak &&
            (isControlCharacter(code) || (shape == TextShape::Line && isLineSeparator(code)))) {
            found = TextFault::ControlCharacter;
        } else if (found == TextFault::None && isDirectionControl(code)) {
            found = TextFault::DirectionControl;
        }
        at += character->length;
        ++characters;
    }
    if (found != TextFault::None) {
        return found;
    }
    return characters > maxCharacters ? TextFault::TooLong : TextFault::None;
}

std::string textFaultWords(TextFault fault, std::size_t maxCharacters) {
    switch (fault) {
        case TextFault::None:
            return {};
        case TextFault::NotUtf8:
            return "is not valid UTF-8";
        case TextFault::ControlCharacter:
            return "holds a control character";
        case TextFault::DirectionControl:
            return "holds a character that turns the writing direction";
        case TextFault::TooLong:
            return fmt::format("is longer than {} characters", maxCharacters);
    }
    return {};
}

std::optional<std::string> textProblem(std::string_view text, std::size_t maxCharacters,
                                       TextShape shape) {
    const TextFault fault = textFault(text, maxCharacters, shape);
    if (fault == TextFault::None) {
        return std::nullopt;
    }
    return textFaultWords(fault, maxCharacters);
}

std::string withoutControlCharacters(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto character = utf8CharacterAt(text, at);
        if (!character || isControlCharacter(character->code) ||
            isDirectionControl(character->code) || isLineSeparator(character->code)) {
            appendUtf8(kept, 0xFFFD);
            at += character ? character->length : 1;
            continue;
        }
        kept.append(text.substr(at, character->length));
        at += character->length;
    }
    return kept;
}

}  // namespace quorvane
