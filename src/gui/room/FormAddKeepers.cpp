// SPDX-License-Identifier: MIT
#include "gui/room/FormAddKeepers.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/MainWindowView.h"
#include "gui/room/ChoiceLists.h"
#include "gui/room/FormAddKeeperPlayer.h"
#include "gui/room/RoomGridView.h"
#include "gui/widgets/TeamChoiceBox.h"
#include "room/Keepers.h"
#include "room/RecordPick.h"
#include "session/KeeperConversation.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

FormAddKeepers::FormAddKeepers(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs), m_view(view) {
    setObjectName("form_addKeepers");
    setWindowTitle("Add Keepers");

    Label1 = new QLabel(QString::fromUtf8(kKeepersInstruction.data(),
                                          static_cast<qsizetype>(kKeepersInstruction.size())),
                        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    cmb_team = makeNamed<TeamChoiceBox>("cmb_team", this);
    frm_freeagents = new QGroupBox("Available Players", this);
    dg_freeagents = makeNamed<RoomGridView>("dg_freeagents", frm_freeagents);
    frm_keepers = new QGroupBox(this);
    dg_keepers = makeNamed<RoomGridView>("dg_keepers", frm_keepers);
    cmd_finished = makeNamed<QPushButton>("cmd_finished", "Done Adding Keepers", this);
    cmd_finished->setDefault(true);
    // Enter on a player is the grid's own; the dialog's Enter belongs to the button only when
    // the grids are out of focus.
    dg_freeagents->installEventFilter(this);
    dg_keepers->installEventFilter(this);

    (new QVBoxLayout(frm_freeagents))->addWidget(dg_freeagents);
    auto* keepersLayout = new QVBoxLayout(frm_keepers);
    keepersLayout->addWidget(cmb_team);
    keepersLayout->addWidget(dg_keepers);
    auto* grids = new QHBoxLayout();
    grids->addWidget(frm_freeagents, 3);
    grids->addWidget(frm_keepers, 2);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmd_finished);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(grids, 1);
    layout->addLayout(buttons);
    resize(820, 560);
    setTabOrder(dg_freeagents, cmb_team);
    setTabOrder(cmb_team, dg_keepers);
    setTabOrder(dg_keepers, cmd_finished);

    connect(cmb_team, &QComboBox::currentIndexChanged, this, &FormAddKeepers::fillKeepers);
    connect(dg_freeagents, &QAbstractItemView::doubleClicked, this,
            &FormAddKeepers::freeAgentDoubleClicked);
    connect(dg_keepers, &QAbstractItemView::doubleClicked, this,
            &FormAddKeepers::keeperDoubleClicked);
    connect(cmd_finished, &QPushButton::clicked, this, &FormAddKeepers::finished);

    // No team has id 0, so the first team ends up selected.
    fillTeamList(*cmb_team, fillTeams(m_state, 0));
    if (!fillFreeAgents() || !fillKeepers()) {
        closeAfterFailure();
    }
}

bool FormAddKeepers::fillFreeAgents() {
    std::optional<GridTable> players = fillKeeperFreeAgents(m_state, m_dialogs);
    if (!players) {
        return false;
    }
    dg_freeagents->showTable(std::move(*players));
    return true;
}

bool FormAddKeepers::fillKeepers() {
    const int teamid = selectedTeamId(*cmb_team);
    std::optional<GridTable> keepers = quorvane::fillKeepers(m_state, m_dialogs, teamid);
    if (!keepers) {
        closeAfterFailure();
        return false;
    }
    frm_keepers->setTitle(QString::fromStdString(keepersTitle(m_state, teamid)));
    dg_keepers->showTable(std::move(*keepers));
    return true;
}

void FormAddKeepers::closeAfterFailure() {
    // The failure was shown; the window may not be showing yet, so it closes from the loop.
    QTimer::singleShot(0, this, &QDialog::reject);
}

void FormAddKeepers::freeAgentDoubleClicked(const QModelIndex& index) {
    const std::optional<int> playerid = dg_freeagents->idAt(index.row(), 0);
    if (!playerid) {
        return;
    }
    FormAddKeeperPlayer keeper(m_state, m_dialogs, m_view, *playerid, selectedTeamId(*cmb_team),
                               this);
    if (keeper.exec() != QDialog::Accepted) {
        return;
    }
    if (!fillFreeAgents()) {
        closeAfterFailure();
        return;
    }
    // The list shows the team the keeper went to, and its title names that team too.
    const int teamRow = cmb_team->findData(keeper.chosenTeamId());
    if (teamRow >= 0 && teamRow != cmb_team->currentIndex()) {
        cmb_team->setCurrentIndex(teamRow);  // refills the keepers through the signal
    } else {
        fillKeepers();
    }
}

void FormAddKeepers::keeperDoubleClicked(const QModelIndex& index) {
    const std::optional<int> playerid = dg_keepers->idAt(index.row(), 0);
    if (!playerid || !removeKeeper(m_state, m_dialogs, *playerid)) {
        return;
    }
    if (fillFreeAgents()) {
        fillKeepers();
    } else {
        closeAfterFailure();
    }
}

bool FormAddKeepers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == dg_freeagents || watched == dg_keepers)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        auto* grid = static_cast<RoomGridView*>(watched);
        const QModelIndex current = grid->currentIndex();
        if (current.isValid() && enter && grid == dg_freeagents) {
            freeAgentDoubleClicked(current);
            return true;
        }
        if (current.isValid() && grid == dg_keepers && (enter || key == Qt::Key_Delete)) {
            keeperDoubleClicked(current);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormAddKeepers::finished() {
    m_view.showRoomView(doneAddingKeepers(m_state, m_dialogs));
    accept();
}

}  // namespace quorvane::gui
