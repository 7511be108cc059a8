// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>

#include "gui/draftconfig/DraftChoiceDialog.h"
#include "practice/PracticeDrafts.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// What the user chose for a new practice draft of the open draft.
struct PracticeStart {
    PracticeChoice choice;
    std::chrono::milliseconds pace{0};  // the other teams' wait before each pick
};

// Draft ▸ Practice Draft…: the seed (empty for a fresh one), how the other teams draft and how
// fast they pick, and whether the practice starts from the beginning or from the draft as it
// stands.
class FormPracticeDraft final : public DraftChoiceDialog {
    Q_OBJECT
  public:
    FormPracticeDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // What was chosen once the dialog was accepted.
    const std::optional<PracticeStart>& chosen() const { return m_chosen; }

  private:
    void start();

    QLineEdit* txt_seed = nullptr;
    QComboBox* cmb_pace = nullptr;
    QComboBox* cmb_bots = nullptr;
    QRadioButton* opt_from_start = nullptr;
    QRadioButton* opt_from_now = nullptr;
    std::optional<PracticeStart> m_chosen;
};

}  // namespace quorvane::gui
