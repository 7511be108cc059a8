// SPDX-License-Identifier: MIT
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "draftconfig/DraftList.h"
#include "gui/app/MainWindowView.h"
#include "practice/PracticeDrafts.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

FormOpenDraft::FormOpenDraft(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                             QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_main(main) {
    setObjectName(QStringLiteral("form_opendraft"));
    setWindowTitle(QStringLiteral("Open Draft"));

    m_drafts = makeNamed<QComboBox>("cmb_drafts", this);
    m_drafts->setMinimumWidth(280);
    m_open = makeNamed<QPushButton>("cmd_open", QStringLiteral("Open"), this);
    m_open->setDefault(true);
    m_cancel = makeNamed<QPushButton>("cmd_cancel", QStringLiteral("Cancel"), this);
    connect(m_open, &QPushButton::clicked, this, &FormOpenDraft::openSelected);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_delete = makeNamed<QPushButton>("cmd_delete", QStringLiteral("Delete Practice"), this);
    m_delete->setToolTip(QStringLiteral("Delete the chosen practice draft"));
    connect(m_delete, &QPushButton::clicked, this, &FormOpenDraft::deleteSelected);
    connect(m_drafts, &QComboBox::currentIndexChanged, this, &FormOpenDraft::showChoice);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(m_open);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_drafts);
    layout->addLayout(buttons);

    m_listed = fillList();
}

bool FormOpenDraft::fillList() {
    m_open->setEnabled(true);
    // At start-up the user has to open a draft.
    m_cancel->setVisible(m_state.draftLoaded);
    m_drafts->clear();
    m_practices.clear();
    const auto drafts = fillDraftList(m_state, m_dialogs);
    if (!drafts) {
        showChoice();
        return false;
    }
    for (const DraftListEntry& draft : *drafts) {
        m_drafts->addItem(QString::fromStdString(draftListCaption(draft)), draft.template_id);
        if (draft.practiceOf != 0) {
            m_practices.push_back(draft.template_id);
        }
    }
    m_drafts->setCurrentIndex(m_drafts->count() > 0 ? 0 : -1);
    showChoice();
    return true;
}

// Only a practice draft can be deleted, and not while it is the draft open behind the window.
void FormOpenDraft::showChoice() {
    const int chosen = m_drafts->currentIndex() >= 0 ? m_drafts->currentData().toInt() : 0;
    const bool practice =
        std::find(m_practices.begin(), m_practices.end(), chosen) != m_practices.end();
    const bool open = m_state.draftSettings() && m_state.draftSettings()->template_id == chosen;
    m_delete->setEnabled(practice && !open);
}

void FormOpenDraft::deleteSelected() {
    if (!m_delete->isEnabled() || m_drafts->currentIndex() < 0) {
        return;
    }
    const QString name = m_drafts->currentText();
    if (!m_dialogs.askYesNo("Delete Practice Draft",
                            "Delete " + name.toStdString() + " and all of its picks?")) {
        return;
    }
    shown(m_dialogs, deletePractice(m_state, m_drafts->currentData().toInt()));
    fillList();
}

int FormOpenDraft::exec() {
    return m_listed ? QDialog::exec() : QDialog::Rejected;
}

void FormOpenDraft::openSelected() {
    // One load per click, however often the button is pressed while it runs.
    if (!m_open->isEnabled()) {
        return;
    }
    m_open->setEnabled(false);
    std::optional<int> selected;
    if (m_drafts->currentIndex() >= 0) {
        selected = m_drafts->currentData().toInt();
    }
    if (!openSelectedDraft(m_state, m_dialogs, selected)) {
        m_open->setEnabled(true);
        return;
    }
    m_main.resetResearchGrid();
    m_main.refreshMain();
    accept();
}

}  // namespace quorvane::gui
