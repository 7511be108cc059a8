// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// The one way core reaches the user. The desktop program shows message boxes, the command line
// writes to standard error, tests record every call.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    virtual void showMessage(std::string_view title, std::string_view text, MessageIcon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::string_view title, std::string_view text) = 0;
    // Busy pointer on or off around long work.
    virtual void setBusy(bool busy) = 0;
    // Progress of long work: `done` of `total` steps, with a short text.
    virtual void progress(std::string_view text, long long done, long long total) = 0;
};

// The busy pointer for as long as the value lives.
class BusyPointer {
  public:
    explicit BusyPointer(UserDialogs& dialogs) : m_dialogs(dialogs) { m_dialogs.setBusy(true); }
    ~BusyPointer() { m_dialogs.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

  private:
    UserDialogs& m_dialogs;
};

// For work whose failures go to the log alone: shows nothing and answers every question No.
class LogOnlyDialogs final : public UserDialogs {
  public:
    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}
};

class Connection;

// When the connection's last failed statement met a busy database that nobody has reported
// yet: shows the busy message, writes its log line and returns true. Otherwise does nothing.
bool reportDatabaseBusy(UserDialogs& dialogs, const Connection& connection);

// How every database failure is shown: the busy message when that is what happened, the
// failure's own message otherwise.
void showDatabaseFailure(UserDialogs& dialogs, const Connection& connection, std::string_view title,
                         std::string_view text, MessageIcon icon);

// Shows the standard access message and writes the numbered log line after it, the common
// pattern after a failed read.
void reportDatabaseError(UserDialogs& dialogs, const Connection& connection,
                         std::string_view logLiteral);

}  // namespace quorvane
