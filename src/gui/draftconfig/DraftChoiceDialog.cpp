// SPDX-License-Identifier: MIT
#include "gui/draftconfig/DraftChoiceDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/NamedWidget.h"

namespace quorvane::gui {

DraftChoiceDialog::DraftChoiceDialog(ProgramState& state, UserDialogs& dialogs, ButtonNames names,
                                     QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_names(names) {}

// The buttons are made last so that Tab reaches them after the fields.
void DraftChoiceDialog::layOut(std::initializer_list<QLayout*> parts) {
    m_accept =
        makeNamed<QPushButton>(m_names.accept, QString::fromUtf8(m_names.acceptCaption), this);
    m_accept->setDefault(true);
    m_cancel = makeNamed<QPushButton>(m_names.cancel, QStringLiteral("Cancel"), this);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QLayout* part : parts) {
        layout->addLayout(part);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_accept);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
}

}  // namespace quorvane::gui
