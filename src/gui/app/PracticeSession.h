// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

#include "practice/PracticeRun.h"
#include "store/PracticeRows.h"

class QWidget;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;
class PracticeBots;

// A practice draft open in the main window: starts one (Draft ▸ Practice Draft…), lets its other
// teams pick in the background whenever the user is not on the clock, restarts it, goes back to
// the real draft, and shows the grade page when it is over.
class PracticeSession final : public QObject {
    Q_OBJECT
  public:
    PracticeSession(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                    QWidget* parent);
    ~PracticeSession() override;

    void startNew();
    void restart();
    void backToDraft();
    // After every refresh of the room: the bots go on when the open draft is a practice draft
    // whose turn is not the user's.
    void roomShown();
    // Before the user takes back or skips a turn: the bots stop, since they draft from the
    // draft as it stood. After it: a practice that was over, or a sale that waited for the
    // user, is looked at afresh, and the bots go on if the turn is theirs.
    void holdBots();
    void turnChangedByUser();
    bool practiceOpen() const { return m_practice.has_value(); }
    bool botsRunning() const;
    // A practice auction whose next nomination is the user's: the player he chooses is up for
    // sale (the bots wait for his limit). False when the nomination is not his to make.
    bool nominate(int playerId);
    // The user's limit for the player up for sale, as typed: checked (whole dollars from 0 to
    // his largest allowed bid), then the sale is settled and the bots go on. False when the
    // text was refused (the reason shown).
    bool confirmLimit(const QString& text);

  signals:
    // The bots wrote one pick or more through their own connection.
    void roomChanged();
    // Whether the open draft is a practice draft, and the name of the draft it came from.
    void practiceShown(bool practice, const QString& sourceName);
    // A player is up for sale in a practice auction and the user's limit is wanted; `sale`
    // names him, who nominated him and the most the user may bid.
    void limitWanted(const QString& sale);
    // The sale no longer waits for the user (settled, undone, another draft opened).
    void limitSettled();
    // A line for the status bar.
    void news(const QString& text);

  private:
    // What the practice waits for from the user, and the picks made when it started waiting:
    // a refresh that finds more or fewer picks ends the wait.
    struct UserWait {
        std::size_t picksMade = 0;
        int playerId = 0;  // up for sale; 0 while the user's nomination is awaited
        bool usersNomination = false;
    };

    void botPicked();
    void showBotPicks();
    void botsEnded(PracticeStop stop, int nominated);
    void startBots(const PracticeRunOptions& options);
    void waitForLimit(int playerId, bool usersNomination);
    void endWait();
    std::optional<std::size_t> picksMade();
    void showGrade();
    void openDraft(int templateId);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_main;
    QWidget* m_parent;
    PracticeBots* m_bots;
    std::optional<PracticeRow> m_practice;
    std::chrono::milliseconds m_pace{1000};
    bool m_over = false;  // the grade was shown for the practice open
    std::optional<UserWait> m_wait;
    bool m_showPending = false;
    // The room changed while the bots were still running: the user's pick may have come after
    // they last looked at the draft, and their end at his turn is not the draft's last word.
    bool m_shownWhileRunning = false;
};

}  // namespace quorvane::gui
