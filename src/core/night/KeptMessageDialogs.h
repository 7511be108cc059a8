// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "session/UserDialogs.h"

namespace quorvane {

// For the host, which has nobody to ask: keeps the first thing core tells or asks, to send it
// to the page that made the request, and answers every question No.
class KeptMessageDialogs final : public UserDialogs {
  public:
    void showMessage(std::string_view, std::string_view text, MessageIcon) override { keep(text); }
    bool askYesNo(std::string_view, std::string_view text) override {
        keep(text);
        return false;
    }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}

    // The first text, or `otherwise` when nothing was said.
    std::string first(std::string_view otherwise) const {
        return m_first.empty() ? std::string(otherwise) : m_first;
    }

  private:
    void keep(std::string_view text) {
        if (m_first.empty()) {
            m_first = std::string(text);
        }
    }
    std::string m_first;
};

}  // namespace quorvane
