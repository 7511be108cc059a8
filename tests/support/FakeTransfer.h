// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <deque>
#include <string>
#include <thread>
#include <vector>

#include "platform/UrlTransfer.h"

namespace quorvane::test {

// Records every URL and the thread that asked, and answers from a queue; an empty queue answers
// nothing, like a dead line. A delay stands for a slow service.
class FakeTransfer final : public UrlTransfer {
  public:
    TransferAnswer fetch(const std::string& url) override {
        urls.push_back(url);
        threads.push_back(std::this_thread::get_id());
        std::this_thread::sleep_for(delay);
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

    std::chrono::milliseconds delay{0};
    std::vector<std::string> urls;
    std::vector<std::thread::id> threads;
    std::deque<TransferAnswer> answers;
};

}  // namespace quorvane::test
