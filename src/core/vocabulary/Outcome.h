// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "vocabulary/Decision.h"

namespace quorvane {

// Why a writer stored nothing, with the message a person would be shown and the log line the
// writer wrote (empty when it wrote none).
struct WriteFailure {
    enum class Kind {
        Refused,     // the rule, decided again under the writer's lock, refused
        Unanswered,  // the rule asked a question the caller had not agreed to
        Busy,        // another program held the database past the wait
        Failed,      // a statement failed
    };
    Kind kind = Kind::Failed;
    Message message;
    std::string logLine;
    // The question that was not agreed to (Kind::Unanswered only).
    Question question;
};

// What a writer returns: the stored result, or why nothing was stored.
template <class T>
class Outcome {
  public:
    Outcome(T value) : m_value(std::move(value)) {}
    Outcome(WriteFailure failure) : m_value(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(m_value); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(m_value); }
    T& value() { return std::get<T>(m_value); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const WriteFailure& failure() const { return std::get<WriteFailure>(m_value); }

  private:
    std::variant<T, WriteFailure> m_value;
};

// A writer that stores nothing worth returning beyond its success.
// A rule's refusal, with the words to show.
inline WriteFailure refusedBy(Message message) {
    WriteFailure failure;
    failure.kind = WriteFailure::Kind::Refused;
    failure.message = std::move(message);
    return failure;
}

struct Done {};

// What core stored or read, or nullopt with the failure's message kept for a person to be told
// later (a failure without words was only logged and is not kept).
template <class T>
std::optional<T> keepFailure(std::vector<Message>& told, Outcome<T>&& outcome) {
    if (!outcome) {
        if (!outcome.failure().message.text.empty()) {
            told.push_back(outcome.failure().message);
        }
        return std::nullopt;
    }
    return std::move(outcome.value());
}

}  // namespace quorvane
