// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <stop_token>
#include <string_view>

namespace quorvane {

// How long work reports how far it is and learns that it should stop. Either part may be
// empty: a caller that shows nothing and never stops the work passes `Progress{}`.
struct Progress {
    std::function<void(std::string_view text, long long done, long long total)> report;
    std::stop_token stop;

    void operator()(std::string_view text, long long done, long long total) const {
        if (report) {
            report(text, done, total);
        }
    }
    bool stopRequested() const { return stop.stop_requested(); }
};

}  // namespace quorvane
