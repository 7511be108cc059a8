// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

#include "store/PracticeRows.h"

class QWidget;

namespace quorvane {
struct ProgramState;
class UserDialogs;
enum class PracticeStop;
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
    bool practiceOpen() const { return m_practice.has_value(); }
    bool botsRunning() const;

  signals:
    // The bots wrote a pick through their own connection.
    void roomChanged();
    // Whether the open draft is a practice draft, and the name of the draft it came from.
    void practiceShown(bool practice, const QString& sourceName);

  private:
    void botsEnded(PracticeStop stop);
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
};

}  // namespace quorvane::gui
