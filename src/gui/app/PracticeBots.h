// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "session/BackgroundPractice.h"

namespace quorvane {
struct ProgramState;
}

namespace quorvane::gui {

// The other teams of the open practice draft, picking on a thread of their own at the pace the
// user chose until he is on the clock or the draft is over. Every event reaches the window on
// its own thread.
class PracticeBots final : public QObject {
    Q_OBJECT
  public:
    explicit PracticeBots(QObject* parent = nullptr);
    ~PracticeBots() override;

    void start(const ProgramState& state, const PracticeRunOptions& options);
    void stop();
    bool running() const { return m_practice.running(); }

  signals:
    void picked();
    // nominated: the player up for sale when the stop is UsersLimit.
    void ended(quorvane::PracticeStop stop, int nominated);
    void message(QString title, QString text, int icon);

  private:
    BackgroundPractice m_practice;
};

}  // namespace quorvane::gui
