// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <initializer_list>

class QLayout;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// A dialog that asks how to make a draft: its fields above, and at the bottom right the button
// that goes ahead (the default, so Enter presses it) beside Cancel.
class DraftChoiceDialog : public QDialog {
    Q_OBJECT
  protected:
    struct ButtonNames {
        const char* accept;
        const char* acceptCaption;
        const char* cancel;
    };

    DraftChoiceDialog(ProgramState& state, UserDialogs& dialogs, ButtonNames names,
                      QWidget* parent);
    // Puts the parts above the buttons, in order, and makes the buttons.
    void layOut(std::initializer_list<QLayout*> parts);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    // Made by layOut.
    QPushButton* m_accept = nullptr;
    QPushButton* m_cancel = nullptr;

  private:
    ButtonNames m_names;
};

}  // namespace quorvane::gui
