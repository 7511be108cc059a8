// SPDX-License-Identifier: MIT
#include "gui/online/FormFollowDraft.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/widgets/BusyDialog.h"
#include "online/EspnCookies.h"
#include "online/FollowStore.h"
#include "online/OpenRoom.h"
#include "online/RoomFiles.h"
#include "online/SleeperDrafts.h"
#include "platform/CurlTransfer.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

namespace {

constexpr const char* kTitle = "Follow Online Draft";
constexpr RoomKind kKinds[] = {RoomKind::Sleeper, RoomKind::Espn, RoomKind::Fantrax};

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

std::string typed(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

QLabel* hint(const QString& words, QWidget* parent) {
    auto* label = new QLabel(words, parent);
    label->setWordWrap(true);
    label->setEnabled(false);
    return label;
}

}  // namespace

FormFollowDraft::FormFollowDraft(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmFollowDraft"));
    setWindowTitle(QString::fromUtf8(kTitle));
    auto* layout = new QVBoxLayout(this);

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(new QLabel(QStringLiteral("Room:"), this));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cboRoomKind"));
    for (const RoomKind kind : kKinds) {
        m_kind->addItem(text(roomKindName(kind)), static_cast<int>(kind));
    }
    kindRow->addWidget(m_kind);
    kindRow->addStretch(1);
    m_read = new QPushButton(QStringLiteral("Read Room"), this);
    m_read->setObjectName(QStringLiteral("cmdReadRoom"));
    kindRow->addWidget(m_read);
    layout->addLayout(kindRow);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(makeSleeperPage());
    m_pages->addWidget(makeEspnPage());
    m_pages->addWidget(makeFantraxPage());
    layout->addWidget(m_pages);

    layout->addWidget(
        new QLabel(QStringLiteral("Which team of this draft is each team of the room:"), this));
    m_mapping = new QTableWidget(0, 2, this);
    m_mapping->setObjectName(QStringLiteral("grdRosters"));
    m_mapping->setHorizontalHeaderLabels({QStringLiteral("Room team"), QStringLiteral("Team")});
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

    // The pages differ in height; only the one shown takes room, so the mapping gets the rest.
    const auto showPage = [this](int index) {
        for (int page = 0; page < m_pages->count(); ++page) {
            m_pages->widget(page)->setSizePolicy(
                QSizePolicy::Preferred,
                page == index ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        }
        m_pages->setCurrentIndex(index);
        m_pages->updateGeometry();
    };
    connect(m_kind, &QComboBox::currentIndexChanged, this, showPage);
    showPage(0);
    connect(m_read, &QPushButton::clicked, this, &FormFollowDraft::readRoom);
    connect(m_start, &QPushButton::clicked, this, &FormFollowDraft::startFollowing);
    connect(m_stop, &QPushButton::clicked, this, &FormFollowDraft::stopFollowing);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(&m_tick, &QTimer::timeout, this, &FormFollowDraft::showStatus);
    m_tick.start(1000);

    showLinkedRoom();
    setRunning(false);
    resize(620, 560);
}

QWidget* FormFollowDraft::makeSleeperPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_draftId = new QLineEdit(page);
    m_draftId->setObjectName(QStringLiteral("txtRoomDraftId"));
    m_draftId->setPlaceholderText(QStringLiteral("e.g. 1240499656807424000"));
    form->addRow(QStringLiteral("Sleeper draft id:"), m_draftId);

    auto* userRow = new QHBoxLayout;
    m_sleeperUser = new QLineEdit(page);
    m_sleeperUser->setObjectName(QStringLiteral("txtSleeperUser"));
    m_sleeperUser->setPlaceholderText(QStringLiteral("your Sleeper user name"));
    userRow->addWidget(m_sleeperUser, 1);
    m_findDrafts = new QPushButton(QStringLiteral("Find Drafts"), page);
    m_findDrafts->setObjectName(QStringLiteral("cmdFindDrafts"));
    userRow->addWidget(m_findDrafts);
    form->addRow(QStringLiteral("Or the drafts of:"), userRow);
    m_userDrafts = new QComboBox(page);
    m_userDrafts->setObjectName(QStringLiteral("cboUserDrafts"));
    m_userDrafts->setEnabled(false);
    m_userDrafts->setPlaceholderText(QStringLiteral("the user's drafts of this season"));
    form->addRow(QString(), m_userDrafts);

    connect(m_draftId, &QLineEdit::returnPressed, this, &FormFollowDraft::readRoom);
    connect(m_sleeperUser, &QLineEdit::returnPressed, this, &FormFollowDraft::findSleeperDrafts);
    connect(m_findDrafts, &QPushButton::clicked, this, &FormFollowDraft::findSleeperDrafts);
    connect(m_userDrafts, &QComboBox::activated, this, [this](int index) {
        const QString id = m_userDrafts->itemData(index).toString();
        if (!id.isEmpty()) {
            m_draftId->setText(id);
        }
    });
    return page;
}

QWidget* FormFollowDraft::makeEspnPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_espnLeague = new QLineEdit(page);
    m_espnLeague->setObjectName(QStringLiteral("txtEspnLeague"));
    m_espnLeague->setPlaceholderText(QStringLiteral("e.g. 123456 (leagueId= in the address)"));
    form->addRow(QStringLiteral("ESPN league id:"), m_espnLeague);
    m_espnSeason = new QSpinBox(page);
    m_espnSeason->setObjectName(QStringLiteral("spnEspnSeason"));
    m_espnSeason->setRange(kFirstRoomSeason, kLastRoomSeason);
    m_espnSeason->setValue(m_state.projectionYear >= kFirstRoomSeason ? m_state.projectionYear
                                                                      : currentSleeperSeason() + 1);
    form->addRow(QStringLiteral("Season (the year it ends):"), m_espnSeason);
    m_espnS2 = new QLineEdit(page);
    m_espnS2->setObjectName(QStringLiteral("txtEspnS2"));
    m_espnS2->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("espn_s2:"), m_espnS2);
    auto* swidRow = new QHBoxLayout;
    m_swid = new QLineEdit(page);
    m_swid->setObjectName(QStringLiteral("txtSwid"));
    m_swid->setEchoMode(QLineEdit::Password);
    m_swid->setPlaceholderText(QStringLiteral("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"));
    swidRow->addWidget(m_swid, 1);
    auto* file = new QPushButton(QStringLiteral("Cookie File..."), page);
    file->setObjectName(QStringLiteral("cmdCookieFile"));
    swidRow->addWidget(file);
    form->addRow(QStringLiteral("SWID:"), swidRow);
    form->addRow(QString(), hint(QStringLiteral("Only a private league needs its two cookies, "
                                                "copied once from your browser. They are kept "
                                                "with this draft, readable only by you."),
                                 page));
    connect(m_espnLeague, &QLineEdit::returnPressed, this, &FormFollowDraft::readRoom);
    connect(file, &QPushButton::clicked, this, &FormFollowDraft::chooseCookieFile);
    return page;
}

QWidget* FormFollowDraft::makeFantraxPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    m_fantraxLeague = new QLineEdit(page);
    m_fantraxLeague->setObjectName(QStringLiteral("txtFantraxLeague"));
    m_fantraxLeague->setPlaceholderText(QStringLiteral("e.g. 8xk2m4lqlb1c7a9r (from the address)"));
    form->addRow(QStringLiteral("Fantrax league id:"), m_fantraxLeague);
    form->addRow(QString(),
                 hint(QStringLiteral("Fantrax gives no auction prices: an auction's picks are "
                                     "recorded without one."),
                      page));
    connect(m_fantraxLeague, &QLineEdit::returnPressed, this, &FormFollowDraft::readRoom);
    return page;
}

FormFollowDraft::~FormFollowDraft() {
    m_follower.stop();
}

// Opens with the room the draft was last linked to, followed or not.
void FormFollowDraft::showLinkedRoom() {
    const std::optional<RoomLink> linked = linkedRoom(m_state, *m_state.loadedDraft);
    if (!linked) {
        return;
    }
    m_kind->setCurrentIndex(m_kind->findData(static_cast<int>(linked->kind)));
    switch (linked->kind) {
        case RoomKind::Espn:
            m_espnLeague->setText(text(linked->id));
            m_espnSeason->setValue(linked->season);
            break;
        case RoomKind::Fantrax:
            m_fantraxLeague->setText(text(linked->id));
            break;
        case RoomKind::Sleeper:
            m_draftId->setText(text(linked->id));
            break;
    }
}

void FormFollowDraft::setRunning(bool running) {
    m_start->setEnabled(!running && m_room.has_value());
    // A draft still marked as followed with no follower here (another program's, or one that
    // was killed) can be let go of too.
    m_stop->setEnabled(running || readRoomClock(m_state, *m_state.loadedDraft).has_value());
    m_read->setEnabled(!running);
    m_kind->setEnabled(!running);
    m_pages->setEnabled(!running);
    m_mapping->setEnabled(!running);
}

std::optional<RoomLink> FormFollowDraft::typedRoom() {
    RoomLink link;
    link.kind = static_cast<RoomKind>(m_kind->currentData().toInt());
    switch (link.kind) {
        case RoomKind::Espn:
            link.id = typed(m_espnLeague);
            link.season = m_espnSeason->value();
            break;
        case RoomKind::Fantrax:
            link.id = typed(m_fantraxLeague);
            break;
        case RoomKind::Sleeper:
            link.id = typed(m_draftId);
            break;
    }
    if (const std::string problem = roomLinkProblem(link); !problem.empty()) {
        const std::string what = link.kind == RoomKind::Sleeper
                                     ? "the Sleeper draft id"
                                     : "the " + roomKindName(link.kind) + " league id";
        m_dialogs.showMessage(kTitle,
                              link.id.empty() ? "Please type " + what + "."
                                              : "Please check " + what + ": " + problem + ".",
                              MessageIcon::Exclamation);
        return std::nullopt;
    }
    return link;
}

// Cookies typed or read from a file are kept with the draft before the league is read.
bool FormFollowDraft::keepTypedCookies() {
    if (m_espnS2->text().trimmed().isEmpty() && m_swid->text().trimmed().isEmpty()) {
        return true;
    }
    const ParsedAnswer<EspnCookies> cookies = espnCookiesOf(typed(m_espnS2), typed(m_swid));
    std::string problem = cookies.problem;
    if (cookies.value && saveDraftCookies(m_state.dataFolder, m_state.draftSettings()->template_id,
                                          *cookies.value, problem)) {
        return true;
    }
    m_dialogs.showMessage(kTitle, "The ESPN cookies cannot be used: " + problem + ".",
                          MessageIcon::Exclamation);
    return false;
}

void FormFollowDraft::chooseCookieFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Choose Cookie File"), QDir::homePath());
    if (path.isEmpty()) {
        return;
    }
    const auto content =
        readFreshFile(path.toStdString(), std::chrono::hours(24 * 365 * 100), 64 * 1024);
    const ParsedAnswer<EspnCookies> cookies =
        content ? parseEspnCookies(*content) : ParsedAnswer<EspnCookies>{};
    if (!cookies.value) {
        m_dialogs.showMessage(
            kTitle,
            "The cookie file cannot be used: " +
                (content ? cookies.problem : std::string("it is not a file of at most 64 KB")) +
                ".",
            MessageIcon::Exclamation);
        return;
    }
    m_espnS2->setText(text(cookies.value->espnS2));
    m_swid->setText(text(cookies.value->swid));
}

void FormFollowDraft::findSleeperDrafts() {
    const std::string user = typed(m_sleeperUser);
    if (!isSleeperUserName(user)) {
        m_dialogs.showMessage(kTitle, "Please type the Sleeper user name.",
                              MessageIcon::Exclamation);
        return;
    }
    SleeperDraftList list;
    runWhileBusy(this, QStringLiteral("Reading the drafts of the Sleeper user..."), [&] {
        CurlTransfer transfer;
        list = listSleeperDrafts(transfer, user, currentSleeperSeason());
    });
    if (!list.message.empty()) {
        m_dialogs.showMessage(kTitle, list.message, MessageIcon::Exclamation);
        return;
    }
    m_userDrafts->clear();
    for (const SleeperDraftEntry& entry : list.drafts) {
        m_userDrafts->addItem(text(entry.draftId + " \u00b7 " + entry.league + " \u00b7 " +
                                   entry.kind + " \u00b7 " + entry.status),
                              text(entry.draftId));
    }
    if (list.drafts.empty()) {
        m_userDrafts->addItem(QStringLiteral("(no drafts this season)"));
    } else {
        m_draftId->setText(text(list.drafts.front().draftId));
    }
    m_userDrafts->setEnabled(!list.drafts.empty());
}

void FormFollowDraft::readRoom() {
    const std::optional<RoomLink> link = typedRoom();
    if (!link || !m_state.draftSettings() ||
        (link->kind == RoomKind::Espn && !keepTypedCookies())) {
        return;
    }
    RoomRead<RoomDraft> draft;
    std::optional<std::vector<RoomTeam>> teams;
    const RoomAccess access{m_state.dataFolder, m_state.draftSettings()->template_id, {}};
    runWhileBusy(this, text("Reading " + link->title() + "..."), [&] {
        CurlTransfer transfer;
        const std::unique_ptr<Room> room = openRoom(transfer, *link, access);
        draft = room->readDraft();
        if (draft.value) {
            teams = room->readTeams(*draft.value);
        }
    });
    if (!draft.value) {
        showMessage(m_dialogs, roomUnreadable(m_state.dbConnection.log(), draft.reply));
        return;
    }
    if (!linkRoom(m_state, *m_state.loadedDraft, *link)) {
        return;
    }
    m_link = link;
    m_room = draft.value;
    fillMapping(teams.value_or(std::vector<RoomTeam>{}));
    std::string read = "Room read: " + std::to_string(m_room->teams) + " teams, " + m_room->type +
                       " draft, " + m_room->status + ".";
    if (!m_room->note.empty()) {
        read += " " + m_room->note + ".";
    }
    m_status->setText(text(read + " Check the teams and press Start."));
    setRunning(false);
}

void FormFollowDraft::fillMapping(const std::vector<RoomTeam>& teams) {
    const auto mapping = rosterMapping(m_state, *m_state.loadedDraft, *m_room);
    m_mapping->setRowCount(static_cast<int>(teams.size()));
    int row = 0;
    for (const RoomTeam& team : teams) {
        auto* item = new QTableWidgetItem(text(roomTeamLabel(m_link->kind, team)));
        item->setData(Qt::UserRole, team.number);
        m_mapping->setItem(row, 0, item);
        auto* ours = new QComboBox(m_mapping);
        ours->addItem(QStringLiteral("(no team)"), 0);
        for (const DraftTeam& draftTeam : m_state.draftSettings()->draftTeams) {
            ours->addItem(text(draftTeam.teamname), draftTeam.teamid);
        }
        if (mapping) {
            const auto found = mapping->find(team.number);
            const int at = ours->findData(found == mapping->end() ? 0 : found->second);
            ours->setCurrentIndex(std::max(at, 0));
        }
        m_mapping->setCellWidget(row, 1, ours);
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
    return saveRosterMapping(m_state, *m_state.loadedDraft, lines);
}

void FormFollowDraft::startFollowing() {
    if (!m_room || !m_link || !m_state.draftSettings() || !saveMapping()) {
        return;
    }
    m_unmatched.reset();
    m_lastStatus.reset();
    FollowTarget target{m_state.dataFolder, m_state.draftSettings()->template_id,
                        m_state.projectionYear, *m_link};
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
    if (const auto clock = readRoomClock(m_state, *m_state.loadedDraft);
        clock && markFollowing(m_state, *m_state.loadedDraft, clock->link, false)) {
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
                .arg(text(pick.fullName()), text(pick.proTeam), text(pick.position)),
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
                            m_state.draftSettings()->drafttype == kDraftTypeAuction, 20)) {
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
    if (index < ids.size() &&
        saveNamedPlayer(m_state, *m_state.loadedDraft, pick.playerId, ids[index])) {
        startFollowing();
    }
}

}  // namespace quorvane::gui
