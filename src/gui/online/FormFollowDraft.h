// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QTimer>

#include <map>
#include <optional>
#include <vector>

#include "online/FollowDraft.h"
#include "online/RoomData.h"
#include "session/BackgroundFollow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// "Follow Online Draft…": the room (a Sleeper draft, found by id or among a user's drafts; an
// ESPN league and season, with the cookies of a private one; a Fantrax league), which team of
// ours each of the room's teams is, start and stop, and a status line. The follower runs on its
// own thread and connection; the main window sees its picks through the database watcher, and
// `roomChanged` after each sync.
class FormFollowDraft final : public QDialog {
    Q_OBJECT
  public:
    FormFollowDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FormFollowDraft() override;

  signals:
    void roomChanged();

  private:
    QWidget* makeSleeperPage();
    QWidget* makeEspnPage();
    QWidget* makeFantraxPage();
    void showLinkedRoom();
    std::optional<RoomLink> typedRoom();
    bool keepTypedCookies();
    void chooseCookieFile();
    void findSleeperDrafts();
    void readRoom();
    void fillMapping(const std::vector<RoomTeam>& teams);
    bool saveMapping();
    void startFollowing();
    void stopFollowing();
    void showStatus();
    void followEnded(const FollowStatus& status);
    void askForPlayer(const UnmatchedPick& unmatched);
    void setRunning(bool running);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QComboBox* m_kind = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_draftId = nullptr;
    QLineEdit* m_sleeperUser = nullptr;
    QPushButton* m_findDrafts = nullptr;
    QComboBox* m_userDrafts = nullptr;
    QLineEdit* m_espnLeague = nullptr;
    QSpinBox* m_espnSeason = nullptr;
    QLineEdit* m_espnS2 = nullptr;
    QLineEdit* m_swid = nullptr;
    QLineEdit* m_fantraxLeague = nullptr;
    QPushButton* m_read = nullptr;
    QTableWidget* m_mapping = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QLabel* m_status = nullptr;
    QTimer m_tick;
    std::optional<RoomLink> m_link;
    std::optional<RoomDraft> m_room;
    std::optional<FollowStatus> m_lastStatus;
    std::optional<UnmatchedPick> m_unmatched;
    BackgroundFollow m_follower;
};

}  // namespace quorvane::gui
