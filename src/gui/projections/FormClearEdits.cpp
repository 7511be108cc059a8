// SPDX-License-Identifier: MIT
#include "gui/projections/FormClearEdits.h"
#include "gui/widgets/NamedWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "projections/ProjectionEdits.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"

namespace quorvane::gui {

namespace {

// The question above a Yes and a No button; No closes without change.
void buildQuestion(QDialog& dialog, QLabel*& message, QPushButton*& yes, QPushButton*& no) {
    auto* layout = new QVBoxLayout(&dialog);
    message = makeNamed<QLabel>("lbl_message", &dialog);
    message->setWordWrap(true);
    message->setMinimumWidth(420);
    layout->addWidget(message);
    auto* buttons = new QHBoxLayout();
    yes = makeNamed<QPushButton>("cmd_yes", "Yes", &dialog);
    no = makeNamed<QPushButton>("cmd_no", "No", &dialog);
    no->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    layout->addLayout(buttons);
    QObject::connect(no, &QPushButton::clicked, &dialog, &QDialog::reject);
}

}  // namespace

FormClearEdits::FormClearEdits(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName("form_clear_edits");
    setWindowTitle("Clear Projection Edits");
    buildQuestion(*this, lbl_message, cmd_yes, cmd_no);
    connect(cmd_yes, &QPushButton::clicked, this, &FormClearEdits::clearEdits);
}

void FormClearEdits::setPlayer(int playerid, const std::string& playername) {
    m_playerid = playerid;
    lbl_message->setText(QString::fromStdString(clearEditsMessage(playername)));
}

void FormClearEdits::clearEdits() {
    if (clearProjectionEdits(m_state, m_dialogs, m_playerid)) {
        accept();
    }
}

FormClearAllEdits::FormClearAllEdits(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName("form_clear_all_edits");
    setWindowTitle("Clear All Edits");
    buildQuestion(*this, lbl_message, cmd_yes, cmd_no);
    lbl_message->setText(QString::fromStdString(clearAllEditsMessage()));
    connect(cmd_yes, &QPushButton::clicked, this, &FormClearAllEdits::clearAllEdits);
}

void FormClearAllEdits::clearAllEdits() {
    if (clearAllProjectionEdits(m_state, m_dialogs)) {
        accept();
    }
}

}  // namespace quorvane::gui
