// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

#include "session/OutsideChanges.h"

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// Keeps the open window in step with other programs that write the same database (the command
// line, a second window): looks a few times a second and, after another program committed,
// reloads the open draft and asks the window to refresh. The window's own writes never trigger
// it. While a modal window is open nothing is refreshed under it; the change is followed once it
// closes.
class DatabaseWatcher final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kInterval{300};

    DatabaseWatcher(ProgramState& state, UserDialogs& dialogs, QObject* parent = nullptr);

    void start();
    // One look now (the timer's work; tests call it directly).
    void check();
    // The window opened another draft and shows it as the file holds it now.
    void draftShown();

  signals:
    // Another program changed the database; the open draft was reloaded already.
    void changedElsewhere();
    // Another program added or reloaded players.
    void playersChangedElsewhere();

  private:
    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QTimer m_timer;
    OutsideChangeWatch m_watch;
};

}  // namespace quorvane::gui
