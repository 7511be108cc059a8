// SPDX-License-Identifier: MIT
#include "gui/projections/FormEditPlayer.h"
#include "gui/widgets/NamedWidget.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/models/GridTableModel.h"
#include "gui/projections/FormClearEdits.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"

namespace quorvane::gui {

FormEditPlayer::FormEditPlayer(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName("form_editPlayer");
    setWindowTitle("Edit Player Projection");
    resize(980, 150);

    m_model = new GridTableModel(this);
    std::vector<int> editable;
    for (int column = kFirstEditStatColumn;
         column < kFirstEditStatColumn + static_cast<int>(kEditStatCount); ++column) {
        editable.push_back(column);
    }
    m_model->setEditableColumns(editable);
    grid_projection = makeNamed<QTableView>("grid_projection", this);
    grid_projection->setModel(m_model);
    grid_projection->verticalHeader()->hide();
    grid_projection->setEditTriggers(QAbstractItemView::AllEditTriggers);

    cmd_update = makeNamed<QPushButton>("cmd_update", "Update Projection", this);
    cmd_update->setDefault(true);
    cmd_clear_edits = makeNamed<QPushButton>("cmd_clear_edits", "Clear Projection Edits", this);
    cmd_clear_edits->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_projection);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(cmd_clear_edits);
    buttons->addStretch();
    buttons->addWidget(cmd_update);
    layout->addLayout(buttons);

    connect(cmd_update, &QPushButton::clicked, this, &FormEditPlayer::saveProjectionEdit);
    connect(cmd_clear_edits, &QPushButton::clicked, this, &FormEditPlayer::clearEdits);
}

bool FormEditPlayer::loadPlayerProjection(int playerid) {
    m_player = quorvane::loadPlayerProjection(m_state, m_dialogs, playerid);
    if (!m_player) {
        return false;
    }
    m_model->setTable(playerProjectionGrid(*m_player));
    grid_projection->resizeColumnsToContents();
    cmd_clear_edits->setEnabled(m_player->hasEdit);
    return true;
}

void FormEditPlayer::saveProjectionEdit() {
    if (!m_player) {
        return;
    }
    // Moving the current cell away hands a cell still being typed in to the model.
    grid_projection->setCurrentIndex(QModelIndex());
    const auto* row = m_model->rowAt(0);
    if (row == nullptr) {
        return;
    }
    const std::vector<std::string> texts(row->begin() + kFirstEditStatColumn, row->end());
    if (quorvane::saveProjectionEdit(m_state, m_dialogs, *m_player, texts)) {
        accept();
    }
}

void FormEditPlayer::clearEdits() {
    if (!m_player) {
        return;
    }
    FormClearEdits question(m_state, m_dialogs, this);
    question.setPlayer(m_player->playerid, m_player->playername);
    if (question.exec() == QDialog::Accepted) {
        m_player->hasEdit = false;
        cmd_clear_edits->setEnabled(false);
    }
}

}  // namespace quorvane::gui
