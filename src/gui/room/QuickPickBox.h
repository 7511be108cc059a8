// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

#include "room/QuickPick.h"

class QLineEdit;
class QListWidget;

namespace quorvane {
struct ProgramState;
}

namespace quorvane::gui {

// The keyboard way to a pick: type part of a name, the undrafted players it finds drop down
// best value first, Up and Down choose, Enter asks for the pick, Escape gives up.
class QuickPickBox final : public QWidget {
    Q_OBJECT
  public:
    explicit QuickPickBox(ProgramState& state, QWidget* parent = nullptr);

    // Reads the undrafted players again (after every change of the draft).
    void reload();
    // Puts the cursor in the box with what it holds selected.
    void focusBox();
    void clearBox();
    // The playerids the list offers now, best first.
    const std::vector<int>& offered() const { return m_offered; }

  signals:
    void playerChosen(int playerId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showMatches(const QString& typed);
    void placeList();
    void choose(int row);

    ProgramState& m_state;
    std::vector<QuickPickEntry> m_entries;
    std::vector<int> m_offered;
    QLineEdit* txt_quickpick = nullptr;
    QListWidget* lst_quickpick = nullptr;
};

}  // namespace quorvane::gui
