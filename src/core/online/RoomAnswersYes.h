// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "session/UserDialogs.h"

namespace quorvane {

class Log;

// The dialogs a followed pick is recorded with. The room has already made the pick, so a check
// that asks whether to go on (money, a full slot) is answered Yes, and the log says so; every
// other call goes to the user's own dialogs.
class RoomAnswersYes final : public UserDialogs {
  public:
    RoomAnswersYes(UserDialogs& dialogs, const Log& log);

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool askYesNo(std::string_view title, std::string_view text) override;
    void setBusy(bool busy) override;
    void progress(std::string_view text, long long done, long long total) override;

    // The questions answered so far, as "Title: text".
    const std::vector<std::string>& answered() const { return m_answered; }

  private:
    UserDialogs& m_dialogs;
    const Log& m_log;
    std::vector<std::string> m_answered;
};

}  // namespace quorvane
