// SPDX-License-Identifier: MIT
#pragma once

#include "gui/draftconfig/DraftChoiceDialog.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quorvane::gui {

class MainWindowView;

// Creates a draft from a name, the number of teams and the two styles, then opens the setup
// editor on it. At start-up it offers no way out without a draft.
class FormNewDraft final : public DraftChoiceDialog {
    Q_OBJECT
  public:
    FormNewDraft(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                 QWidget* parent = nullptr);

  private:
    void save();

    MainWindowView& m_main;
    QLineEdit* m_name = nullptr;
    QComboBox* m_teams = nullptr;
    QRadioButton* m_auction = nullptr;
    QRadioButton* m_draft = nullptr;
    QRadioButton* m_points = nullptr;
    QRadioButton* m_rotisserie = nullptr;
    QRadioButton* m_headToHead = nullptr;
};

}  // namespace quorvane::gui
