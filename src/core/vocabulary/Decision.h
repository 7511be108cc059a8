// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

enum class MessageIcon { Information, Exclamation, Critical, Question };

// What a person is shown, word for word: a window's title, its text and its icon.
struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Exclamation;
    bool operator==(const Message&) const = default;
};

// A question a rule asks before a change goes on; Yes lets it go on.
struct Question {
    std::string title;
    std::string text;
    bool operator==(const Question&) const = default;
};

// A rule's verdict on a request, taken over the model without writing anything: refused with
// the message to show, or the questions to ask in their order; neither means go.
struct Decision {
    std::optional<Message> refusal;
    std::vector<Question> questions;

    bool refused() const { return refusal.has_value(); }
    bool goes() const { return !refusal && questions.empty(); }
};

// The questions a person said Yes to. A front end without a person (an online room, a bot, a
// phone) hands the writer none, so every question there is a refusal.
struct Consent {
    std::vector<Question> agreed;

    bool covers(const Question& question) const {
        return std::find(agreed.begin(), agreed.end(), question) != agreed.end();
    }
    bool coversAll(const std::vector<Question>& questions) const {
        return std::all_of(questions.begin(), questions.end(),
                           [this](const Question& question) { return covers(question); });
    }
};

}  // namespace quorvane
