// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

#include "session/UserDialogs.h"

namespace quorvane::gui {

// Passes messages and questions on to the program's dialogs and shows an import's progress in
// the window that started it, keeping that window painted while the import runs.
class ImportProgressDialogs final : public UserDialogs {
  public:
    using ProgressSink = std::function<void(const QString& text, long long done, long long total)>;

    ImportProgressDialogs(UserDialogs& dialogs, ProgressSink sink);

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setBusy(bool busy) override;
    void progress(std::string_view text, long long done, long long total) override;

  private:
    UserDialogs& m_dialogs;
    ProgressSink m_sink;
};

}  // namespace quorvane::gui
