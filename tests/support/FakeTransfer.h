// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/UrlTransfer.h"

namespace quorvane::test {

// Records every URL and answers from a queue; an empty queue answers nothing, like a dead line.
class FakeTransfer final : public UrlTransfer {
  public:
    TransferAnswer fetch(const std::string& url) override {
        urls.push_back(url);
        if (answers.empty()) {
            return {{}, 0, "Could not resolve host"};
        }
        TransferAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void answer(std::string body, long status = 200) {
        answers.push_back({std::move(body), status, "HTTP " + std::to_string(status)});
    }

    std::vector<std::string> urls;
    std::deque<TransferAnswer> answers;
};

}  // namespace quorvane::test
