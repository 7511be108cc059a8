// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include <map>
#include <optional>

#include "follow/BackgroundFollow.h"
#include "follow/FollowDraft.h"
#include "follow/RoomData.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// "Follow Online Draft…": the Sleeper draft id, which team of ours each of the room's rosters
// is, start and stop, and a status line. The follower runs on its own thread and connection; the
// main window sees its picks through the database watcher, and `roomChanged` after each sync.
class FormFollowDraft final : public QDialog {
    Q_OBJECT
  public:
    FormFollowDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FormFollowDraft() override;

  signals:
    void roomChanged();

  private:
    void readRoom();
    void fillMapping(const std::map<int, std::string>& rosterNames);
    bool saveMapping();
    void startFollowing();
    void stopFollowing();
    void showStatus();
    void followEnded(const FollowStatus& status);
    void askForPlayer(const UnmatchedPick& unmatched);
    void setRunning(bool running);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QLineEdit* m_draftId = nullptr;
    QPushButton* m_read = nullptr;
    QTableWidget* m_mapping = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QLabel* m_status = nullptr;
    QTimer m_tick;
    std::optional<RoomDraft> m_room;
    std::optional<FollowStatus> m_lastStatus;
    std::optional<UnmatchedPick> m_unmatched;
    BackgroundFollow m_follower;
};

}  // namespace quorvane::gui
