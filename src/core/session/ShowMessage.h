// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "session/UserDialogs.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

// A message core returned, shown as it stands.
inline void showMessage(UserDialogs& dialogs, const Message& message) {
    dialogs.showMessage(message.title, message.text, message.icon);
}

// Each message core returned, shown in its order (a failure without words was only logged).
inline void showFailures(UserDialogs& dialogs, const std::vector<Message>& messages) {
    for (const Message& message : messages) {
        if (!message.text.empty()) {
            showMessage(dialogs, message);
        }
    }
}

// What core stored or read, or nullopt after its failure was shown (a failure without words
// was only logged).
template <class T>
std::optional<T> shown(UserDialogs& dialogs, Outcome<T>&& outcome) {
    if (!outcome) {
        if (!outcome.failure().message.text.empty()) {
            showMessage(dialogs, outcome.failure().message);
        }
        return std::nullopt;
    }
    return std::move(outcome.value());
}

}  // namespace quorvane
