// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

enum class MessageIcon { Information, Exclamation, Critical, Question };

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

// The standard database messages, shown by many operations.
inline constexpr std::string_view kDatabaseErrorTitle = "Database Error";
inline constexpr std::string_view kDatabaseAccessMessage =
    "An error occured accessing database. If this continues then please contact customer "
    "support.";
inline constexpr std::string_view kDatabaseUpdateMessage =
    "An error occured updating database. If this continues then please contact customer "
    "support.";

// Shows the standard access message and writes the numbered log line after it, the common
// pattern after a failed read.
class Connection;
void reportDatabaseError(UserDialogs& dialogs, const Connection& connection,
                         std::string_view logLiteral);

}  // namespace quorvane
