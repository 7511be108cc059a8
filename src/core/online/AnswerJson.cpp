// SPDX-License-Identifier: MIT
#include "online/AnswerJson.h"

#include <cmath>

namespace quorvane {

namespace {

bool startsNumber(char c) {
    return c == '-' || (c >= '0' && c <= '9');
}

bool continuesNumber(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// Quotes every number outside strings; a string's escapes are passed over whole, so a quote
// inside one never ends it.
std::string numbersQuoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < text.size()) {
                out += text[++i];
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            out += c;
            continue;
        }
        if (!startsNumber(c)) {
            out += c;
            continue;
        }
        out += '"';
        for (; i < text.size() && continuesNumber(text[i]); ++i) {
            out += text[i];
        }
        out += '"';
        --i;
    }
    return out;
}

// The length of the UTF-8 sequence at the start, 0 when it is not one.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90)) {
        return 0;
    }
    return length;
}

}  // namespace

std::optional<AnswerJson> parseAnswerJson(std::string_view text) {
    // The JSON reader takes a NUL byte for the end of its input and would never look at what
    // follows one; JSON has no place for a raw NUL (a string writes it \u0000), so an answer
    // holding one is no JSON document.
    if (text.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string quoted = numbersQuoted(text);
    AnswerJson value = AnswerJson::parse(quoted, nullptr, false);
    if (value.is_discarded()) {
        return std::nullopt;
    }
    return value;
}

const AnswerJson& memberOf(const AnswerJson& object, std::string_view name) {
    static const AnswerJson none;
    if (!object.is_object()) {
        return none;
    }
    const auto found = object.find(name);
    return found == object.end() ? none : *found;
}

const AnswerJson& asObject(const AnswerJson& value) {
    static const AnswerJson empty = AnswerJson::object();
    return value.is_object() ? value : empty;
}

const AnswerJson& asArray(const AnswerJson& value) {
    static const AnswerJson empty = AnswerJson::array();
    return value.is_array() ? value : empty;
}

std::string textOf(const AnswerJson& value) {
    return value.is_string() ? value.get<std::string>() : std::string();
}

AnswerNumber wholeNumberOf(const AnswerJson& value, FieldRange range, std::string_view what) {
    AnswerNumber number;
    if (value.is_null()) {
        return number;
    }
    const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
    const NumberReading reading = readCheckedWholeNumber(text, kDecimalPoint, range);
    if (!reading.ok() || !value.is_string()) {
        number.problem =
            std::string(what) + " \"" + text + "\" " +
            (reading.ok() ? std::string("is not a number") : numberProblemText(reading, range));
        return number;
    }
    number.value = static_cast<long long>(std::llround(reading.value));
    return number;
}

std::string roomTextProblem(std::string_view text) {
    constexpr std::size_t kLongest = 100;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text.substr(i));
        if (length == 0) {
            return "is not UTF-8";
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        const bool c1 = lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (lead < 0x20 || lead == 0x7F || c1) {
            return "holds a control character";
        }
        i += length;
        ++characters;
    }
    return characters > kLongest ? "is longer than 100 characters" : std::string();
}

}  // namespace quorvane
