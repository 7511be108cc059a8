// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "text/CheckedNumber.h"

namespace quorvane {

using AnswerJson = nlohmann::json;

// What reading one answer gave: the value, or what was wrong with it ("the answer is not JSON",
// "pick 7: the pick number \"abc\" is not a number").
template <class T>
struct ParsedAnswer {
    std::optional<T> value;
    std::string problem;
};

// A room's answer as JSON with every number kept as the text the room wrote ("57", "-0",
// "1e400"), so that each one is read by the checked reader with the range of its field rather
// than rounded, wrapped or robbed of its sign by the JSON reader. nullopt when the whole text is
// not one JSON document (blanks may follow it; a NUL byte and anything after it may not).
std::optional<AnswerJson> parseAnswerJson(std::string_view text);

// The member of an object; null when it is absent or the value is no object.
const AnswerJson& memberOf(const AnswerJson& object, std::string_view name);

// The value when it is an object (an array), else an empty one: rooms send null for "none".
const AnswerJson& asObject(const AnswerJson& value);
const AnswerJson& asArray(const AnswerJson& value);

// A string as it is and a number as the room wrote it; empty for null, absent, or anything else.
std::string textOf(const AnswerJson& value);

// A whole number read through the checked reader: nullopt without a problem when the value is
// null or absent; a problem ("the pick number \"abc\" is not a number") when it is anything
// but a whole number within the range.
struct AnswerNumber {
    std::optional<long long> value;
    std::string problem;
};
AnswerNumber wholeNumberOf(const AnswerJson& value, FieldRange range, std::string_view what);

// The problem of a name or other text the room sends ("holds a control character", "is not
// UTF-8", "is longer than 100 characters", a direction control); empty when it is fit to store
// and show.
std::string roomTextProblem(std::string_view text);

}  // namespace quorvane
