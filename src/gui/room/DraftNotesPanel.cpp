// SPDX-License-Identifier: MIT
#include "gui/room/DraftNotesPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/models/GridTableModel.h"
#include "gui/room/GridViews.h"
#include "room/RefreshMain.h"
#include "session/MarkConversation.h"
#include "session/ProgramState.h"
#include "vocabulary/GridTable.h"

namespace quorvane::gui {

DraftNotesPanel::DraftNotesPanel(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs), m_logModel(new GridTableModel(this)) {
    setObjectName(QStringLiteral("DraftNotesPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    const char* captions[2] = {"Notes", "Drafted"};
    for (int index = 0; index < 2; ++index) {
        auto* button = new QPushButton(QString::fromLatin1(captions[index]), this);
        button->setObjectName(QStringLiteral("cmd_notes_%1").arg(index));
        connect(button, &QPushButton::clicked, this, [this, index] { showPart(index); });
        cmd_notes[index] = button;
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_stack = new QStackedWidget(this);
    txt_notes = new QPlainTextEdit(m_stack);
    txt_notes->setObjectName(QStringLiteral("txt_notes"));
    txt_notes->installEventFilter(this);
    dg_drafted = makeRoomGrid(QStringLiteral("dg_drafted"), m_logModel, m_stack);
    dg_drafted->setToolTip(QStringLiteral("Drafted Players"));
    m_stack->addWidget(txt_notes);
    m_stack->addWidget(dg_drafted);
    layout->addWidget(m_stack, 1);
    highlightButton({cmd_notes[0], cmd_notes[1]}, 0);
}

void DraftNotesPanel::showNotes(const std::string& notes) {
    txt_notes->setPlainText(QString::fromStdString(notes));
}

void DraftNotesPanel::showDraftLog(const GridTable& log) {
    showGridTable(dg_drafted, m_logModel, log);
}

void DraftNotesPanel::showPart(int index) {
    highlightButton({cmd_notes[0], cmd_notes[1]}, index);
    if (index == 0) {
        m_stack->setCurrentWidget(txt_notes);
        txt_notes->setFocus();
    } else {
        m_stack->setCurrentWidget(dg_drafted);
    }
}

bool DraftNotesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txt_notes && event->type() == QEvent::FocusOut && m_state.hasDraft()) {
        saveDraftNotes(m_state, m_dialogs, txt_notes->toPlainText().toStdString());
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorvane::gui
