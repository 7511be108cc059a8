// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QProgressDialog>

#include "session/UserDialogs.h"

namespace quorvane::gui {

// How core reaches the user in the desktop program: modal message boxes, Yes/No questions, the
// busy pointer and a progress window.
class GuiDialogs final : public UserDialogs {
  public:
    GuiDialogs() = default;
    ~GuiDialogs() override;
    GuiDialogs(const GuiDialogs&) = delete;
    GuiDialogs& operator=(const GuiDialogs&) = delete;

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setBusy(bool busy) override;
    void progress(std::string_view text, long long done, long long total) override;

  private:
    // A message box shown while the pointer is busy gets the normal pointer back until it
    // closes, so the user can see that the program waits for them.
    class NormalPointerWhileAsking;

    int m_busyDepth = 0;
    QPointer<QProgressDialog> m_progress;
};

}  // namespace quorvane::gui
