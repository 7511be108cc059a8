// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "session/UserDialogs.h"

namespace quorvane::test {

struct ShownMessage {
    std::string title;
    std::string text;
    MessageIcon icon;
};

// Records every message and question; questions are answered from a queue (No when empty).
class FakeDialogs final : public UserDialogs {
  public:
    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        messages.push_back({std::string(title), std::string(text), icon});
    }
    bool askYesNo(std::string_view title, std::string_view text) override {
        questions.push_back({std::string(title), std::string(text), MessageIcon::Question});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setBusy(bool busy) override { busyCalls.push_back(busy); }
    void progress(std::string_view, long long done, long long total) override {
        progressCalls.emplace_back(done, total);
    }

    std::string lastText() const { return messages.empty() ? std::string() : messages.back().text; }

    std::vector<ShownMessage> messages;
    std::vector<ShownMessage> questions;
    std::deque<bool> answers;
    std::vector<bool> busyCalls;
    std::vector<std::pair<long long, long long>> progressCalls;
};

}  // namespace quorvane::test
