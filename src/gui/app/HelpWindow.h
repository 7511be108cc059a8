// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace quorvane {
enum class HelpPage;
struct ProgramState;
}  // namespace quorvane

namespace quorvane::gui {

class WebPane;

// Help in a window of its own beside the draft room, so that the room keeps its side pane.
class HelpWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(ProgramState& state, QWidget* parent = nullptr);

    void showHelp(HelpPage page);
    WebPane* webPane() const { return m_pane; }

  private:
    WebPane* m_pane;
};

}  // namespace quorvane::gui
