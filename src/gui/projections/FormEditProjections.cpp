// SPDX-License-Identifier: MIT
#include "gui/projections/FormEditProjections.h"
#include "gui/widgets/NamedWidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/models/GridTableModel.h"
#include "gui/projections/FormClearEdits.h"
#include "gui/projections/FormEditPlayer.h"
#include "projections/ProjectionEdits.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"

namespace quorvane::gui {

FormEditProjections::FormEditProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName("form_editProjections");
    setWindowTitle("Edit Player Projections");
    resize(1000, 600);

    // Checkable buttons in an exclusive group keep the pressed position highlighted.
    m_positionButtons = new QButtonGroup(this);
    m_positionButtons->setExclusive(true);
    auto* positions = new QHBoxLayout();
    for (std::size_t i = 0; i < cmd_edit.size(); ++i) {
        cmd_edit[i] = new QPushButton(kEditPositionCaptions[i], this);
        cmd_edit[i]->setObjectName(QString("cmd_edit_%1").arg(i));
        cmd_edit[i]->setCheckable(true);
        m_positionButtons->addButton(cmd_edit[i], static_cast<int>(i));
        positions->addWidget(cmd_edit[i]);
    }
    positions->addStretch();

    m_model = new GridTableModel(this);
    grid_editproj = makeNamed<QTableView>("grid_editproj", this);
    grid_editproj->setModel(m_model);
    grid_editproj->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_editproj->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_editproj->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_editproj->verticalHeader()->hide();

    Label1 = makeNamed<QLabel>("Label1", "Double-Click on a player to edit his projection.", this);
    cmd_clear_edits = makeNamed<QPushButton>("cmd_clear_edits", "Clear All Manual Edits", this);
    cmd_clear_edits->setAutoDefault(false);
    cmd_close = makeNamed<QPushButton>("cmd_close", "Close", this);
    cmd_close->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(positions);
    layout->addWidget(grid_editproj);
    auto* bottom = new QHBoxLayout();
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(cmd_clear_edits);
    bottom->addWidget(cmd_close);
    layout->addLayout(bottom);

    connect(m_positionButtons, &QButtonGroup::idClicked, this, [this](int index) {
        cButtons(index);
        getPlayers();
    });
    connect(grid_editproj, &QTableView::doubleClicked, this, &FormEditProjections::editPlayer);
    // Enter on a player edits him too, rather than closing the window.
    grid_editproj->installEventFilter(this);
    connect(cmd_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmd_clear_edits, &QPushButton::clicked, this, &FormEditProjections::clearAllEdits);

    cButtons(0);
    getPlayers();
}

void FormEditProjections::cButtons(int index) {
    cmd_edit[static_cast<std::size_t>(index)]->setChecked(true);
    m_editPosIndex = index;
}

void FormEditProjections::getPlayers() {
    if (const auto players = listProjectionPlayers(m_state, m_dialogs, m_editPosIndex)) {
        m_model->setTable(*players);
        grid_editproj->resizeColumnsToContents();
    }
}

void FormEditProjections::editPlayer(const QModelIndex& index) {
    const auto* row = m_model->rowAt(index.row());
    if (row == nullptr || row->empty()) {
        return;
    }
    FormEditPlayer editor(m_state, m_dialogs, this);
    if (!editor.loadPlayerProjection(std::stoi(row->front()))) {
        return;
    }
    if (editor.exec() == QDialog::Accepted) {
        getPlayers();
        emit refreshRequested();
    }
}

bool FormEditProjections::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_editproj && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            grid_editproj->currentIndex().isValid()) {
            editPlayer(grid_editproj->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormEditProjections::clearAllEdits() {
    FormClearAllEdits question(m_state, m_dialogs, this);
    question.exec();
}

}  // namespace quorvane::gui
