// SPDX-License-Identifier: MIT
#include "online/AnswerJson.h"

#include <cmath>

#include "text/TextChecks.h"

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
    const TextFault fault = textFault(text, kMaxNameCharacters);
    // Rooms have said "is not UTF-8" from the first: the follow log is matched on it.
    return fault == TextFault::NotUtf8 ? std::string("is not UTF-8")
                                       : textFaultWords(fault, kMaxNameCharacters);
}

}  // namespace quorvane
