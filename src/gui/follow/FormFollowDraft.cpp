// SPDX-License-Identifier: MIT
#include "gui/follow/FormFollowDraft.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/CurlTransfer.h"
#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "follow/FollowStore.h"
#include "follow/SleeperRoom.h"
#include "gui/widgets/BusyDialog.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"

namespace quorvane::gui {

namespace {

constexpr const char* kTitle = "Follow Online Draft";

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The name the room shows for each roster: its user's team or display name, else "Roster N".
std::map<int, std::string> rosterNames(const RoomDraft& draft,
                                       const std::optional<std::vector<RoomUser>>& users) {
    std::map<int, std::string> names;
    for (const auto& [slot, roster] : draft.slotToRoster) {
        names[roster] = "Roster " + std::to_string(roster);
    }
    for (int slot = 1; draft.slotToRoster.empty() && slot <= draft.teams; ++slot) {
        names[slot] = "Roster " + std::to_string(slot);
    }
    if (!users) {
        return names;
    }
    for (const auto& [userId, slot] : draft.draftOrder) {
        const auto roster = draft.slotToRoster.find(slot);
        if (roster == draft.slotToRoster.end()) {
            continue;
        }
        for (const RoomUser& user : *users) {
            if (user.userId == userId && !user.name.empty()) {
                names[roster->second] =
                    user.name + " (roster " + std::to_string(roster->second) + ")";
            }
        }
    }
    return names;
}

}  // namespace

FormFollowDraft::FormFollowDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmFollowDraft"));
    setWindowTitle(QString::fromUtf8(kTitle));
    auto* layout = new QVBoxLayout(this);

    auto* idRow = new QHBoxLayout;
    idRow->addWidget(new QLabel(QStringLiteral("Sleeper draft id:"), this));
    m_draftId = new QLineEdit(this);
    m_draftId->setObjectName(QStringLiteral("txtRoomDraftId"));
    m_draftId->setPlaceholderText(QStringLiteral("e.g. 1240499656807424000"));
    idRow->addWidget(m_draftId, 1);
    m_read = new QPushButton(QStringLiteral("Read Room"), this);
    m_read->setObjectName(QStringLiteral("cmdReadRoom"));
    idRow->addWidget(m_read);
    layout->addLayout(idRow);

    layout->addWidget(
        new QLabel(QStringLiteral("Which team of this draft is each roster of the room:"), this));
    m_mapping = new QTableWidget(0, 2, this);
    m_mapping->setObjectName(QStringLiteral("grdRosters"));
    m_mapping->setHorizontalHeaderLabels({QStringLiteral("Room roster"), QStringLiteral("Team")});
    m_mapping->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_mapping->verticalHeader()->setVisible(false);
    m_mapping->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_mapping, 1);

    auto* buttons = new QHBoxLayout;
    m_start = new QPushButton(QStringLiteral("Start"), this);
    m_start->setObjectName(QStringLiteral("cmdStartFollow"));
    m_stop = new QPushButton(QStringLiteral("Stop"), this);
    m_stop->setObjectName(QStringLiteral("cmdStopFollow"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    m_status = new QLabel(QStringLiteral("Not following"), this);
    m_status->setObjectName(QStringLiteral("lblFollowStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    connect(m_read, &QPushButton::clicked, this, &FormFollowDraft::readRoom);
    connect(m_draftId, &QLineEdit::returnPressed, this, &FormFollowDraft::readRoom);
    connect(m_start, &QPushButton::clicked, this, &FormFollowDraft::startFollowing);
    connect(m_stop, &QPushButton::clicked, this, &FormFollowDraft::stopFollowing);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_tick, &QTimer::timeout, this, &FormFollowDraft::showStatus);
    m_tick.start(1000);

    m_draftId->setText(text(linkedRoomDraftId(m_state)));
    setRunning(false);
    resize(560, 460);
}

FormFollowDraft::~FormFollowDraft() {
    m_follower.stop();
}

void FormFollowDraft::setRunning(bool running) {
    m_start->setEnabled(!running && m_room.has_value());
    // A draft still marked as followed with no follower here (another program's, or one that
    // was killed) can be let go of too.
    m_stop->setEnabled(running || readRoomClock(m_state).has_value());
    m_read->setEnabled(!running);
    m_draftId->setEnabled(!running);
    m_mapping->setEnabled(!running);
}

void FormFollowDraft::readRoom() {
    const std::string id = m_draftId->text().trimmed().toStdString();
    if (!isRoomDraftId(id)) {
        m_dialogs.showMessage(kTitle, "Please type the Sleeper draft id (digits only).",
                              MessageIcon::Exclamation);
        return;
    }
    RoomRead<RoomDraft> draft;
    std::optional<std::vector<RoomUser>> users;
    runWhileBusy(this, QStringLiteral("Reading the Sleeper draft room..."), [&] {
        CurlTransfer transfer;
        SleeperRoom room(transfer, id);
        draft = room.readDraft();
        if (draft.value && !draft.value->leagueId.empty()) {
            users = room.readUsers(draft.value->leagueId);
        }
    });
    if (!draft.value) {
        SleeperRoom::reportUnreadable(m_dialogs, m_state.dbConnection.log(), draft.reply);
        return;
    }
    m_room = draft.value;
    fillMapping(rosterNames(*m_room, users));
    m_status->setText(
        QStringLiteral("Room read: %1 teams, %2 draft, %3. Check the teams and press Start.")
            .arg(m_room->teams)
            .arg(text(m_room->type), text(m_room->status)));
    setRunning(false);
}

void FormFollowDraft::fillMapping(const std::map<int, std::string>& names) {
    const auto mapping = rosterMapping(m_state, *m_room);
    m_mapping->setRowCount(static_cast<int>(names.size()));
    int row = 0;
    for (const auto& [roster, name] : names) {
        auto* item = new QTableWidgetItem(text(name));
        item->setData(Qt::UserRole, roster);
        m_mapping->setItem(row, 0, item);
        auto* teams = new QComboBox(m_mapping);
        teams->addItem(QStringLiteral("(no team)"), 0);
        for (const DraftTeam& team : m_state.draftSettings->draftTeams) {
            teams->addItem(text(team.teamname), team.teamid);
        }
        if (mapping) {
            const auto found = mapping->find(roster);
            const int at = teams->findData(found == mapping->end() ? 0 : found->second);
            teams->setCurrentIndex(std::max(at, 0));
        }
        m_mapping->setCellWidget(row, 1, teams);
        ++row;
    }
}

bool FormFollowDraft::saveMapping() {
    std::map<int, int> lines;
    for (int row = 0; row < m_mapping->rowCount(); ++row) {
        const int roster = m_mapping->item(row, 0)->data(Qt::UserRole).toInt();
        const auto* teams = qobject_cast<QComboBox*>(m_mapping->cellWidget(row, 1));
        lines[roster] = teams->currentData().toInt();
    }
    return saveRosterMapping(m_state, lines);
}

void FormFollowDraft::startFollowing() {
    if (!m_room || !m_state.draftSettings || !saveMapping()) {
        return;
    }
    m_unmatched.reset();
    m_lastStatus.reset();
    FollowTarget target{m_state.dataFolder, m_state.draftSettings->template_id,
                        m_state.projectionYear, m_room->draftId};
    BackgroundFollow::Events events;
    // Each event crosses to the interface thread; the window outlives the follower (its
    // destructor stops it first).
    events.synced = [this](const FollowSync& sync) {
        const bool changed = !sync.recorded.empty() || !sync.undone.empty();
        std::optional<UnmatchedPick> unmatched = sync.unmatched;
        QMetaObject::invokeMethod(
            this,
            [this, changed, unmatched] {
                if (unmatched) {
                    m_unmatched = unmatched;
                }
                if (changed) {
                    emit roomChanged();
                }
            },
            Qt::QueuedConnection);
    };
    events.status = [this](const FollowStatus& status) {
        QMetaObject::invokeMethod(
            this,
            [this, status] {
                m_lastStatus = status;
                showStatus();
            },
            Qt::QueuedConnection);
    };
    events.ended = [this](const FollowStatus& status) {
        QMetaObject::invokeMethod(
            this, [this, status] { followEnded(status); }, Qt::QueuedConnection);
    };
    events.message = [this](std::string title, std::string body, MessageIcon icon) {
        QMetaObject::invokeMethod(
            this, [this, title, body, icon] { m_dialogs.showMessage(title, body, icon); },
            Qt::QueuedConnection);
    };
    m_status->setText(QStringLiteral("Starting..."));
    m_follower.start(target, std::move(events));
    setRunning(true);
}

void FormFollowDraft::stopFollowing() {
    if (m_follower.running()) {
        m_follower.stop();
        return;
    }
    if (const auto clock = readRoomClock(m_state);
        clock && markFollowing(m_state, clock->roomDraftId, false)) {
        m_status->setText(QStringLiteral("Not following"));
        setRunning(false);
        emit roomChanged();
    }
}

void FormFollowDraft::showStatus() {
    if (m_lastStatus) {
        m_status->setText(text(followStatusLine(*m_lastStatus, std::chrono::steady_clock::now())));
    }
}

void FormFollowDraft::followEnded(const FollowStatus& status) {
    m_follower.stop();
    m_lastStatus = status;
    showStatus();
    setRunning(false);
    emit roomChanged();
    if (status.state == FollowStatus::State::NeedsPlayer && m_unmatched) {
        askForPlayer(*m_unmatched);
    }
}

// The room's player fits nobody or several players: the user chooses, and following goes on.
void FormFollowDraft::askForPlayer(const UnmatchedPick& unmatched) {
    const RoomPick& pick = unmatched.pick;
    std::vector<int> ids = unmatched.candidates;
    QStringList labels;
    if (ids.empty()) {
        bool typed = false;
        const QString name = QInputDialog::getText(
            this, QString::fromUtf8(kTitle),
            QStringLiteral("Pick %1: %2 (%3, %4) matches no player. Type the start of his name:")
                .arg(pick.pickNo)
                .arg(text(pick.fullName()), text(pick.team), text(pick.position)),
            QLineEdit::Normal, text(pick.lastName), &typed);
        if (!typed) {
            return;
        }
        const auto entries = loadQuickPicks(m_state);
        if (!entries) {
            return;
        }
        for (const std::size_t at :
             rankQuickPicks(*entries, name.toStdString(),
                            m_state.draftSettings->drafttype == kDraftTypeAuction, 20)) {
            ids.push_back((*entries)[at].playerid);
            labels << text((*entries)[at].label);
        }
    } else {
        for (const int id : ids) {
            labels << text(showPlayer(m_state, id).value_or(std::to_string(id)));
        }
    }
    if (ids.empty()) {
        m_dialogs.showMessage(kTitle, "No undrafted player has that name.",
                              MessageIcon::Exclamation);
        return;
    }
    bool chosen = false;
    const QString choice =
        QInputDialog::getItem(this, QString::fromUtf8(kTitle),
                              QStringLiteral("Pick %1 in the room: %2. Which player is it?")
                                  .arg(pick.pickNo)
                                  .arg(text(pick.fullName())),
                              labels, 0, false, &chosen);
    if (!chosen) {
        return;
    }
    const auto index = static_cast<std::size_t>(labels.indexOf(choice));
    if (index < ids.size() && saveNamedPlayer(m_state, pick.playerId, ids[index])) {
        startFollowing();
    }
}

}  // namespace quorvane::gui
