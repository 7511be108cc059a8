// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>

#include "session/UserDialogs.h"

namespace quorvane {

// The updater on a terminal: long work reports its progress as a line per tenth done
// ("Downloading FILE: 40% (1200 of 3000 bytes)"); messages and questions go on to `dialogs`.
class TerminalProgress final : public UserDialogs {
  public:
    TerminalProgress(UserDialogs& dialogs, std::ostream& out);

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setBusy(bool busy) override;
    void progress(std::string_view text, long long done, long long total) override;

  private:
    UserDialogs& m_dialogs;
    std::ostream& m_out;
    std::string m_shownText;
    long long m_shownTenth = -1;
};

}  // namespace quorvane
