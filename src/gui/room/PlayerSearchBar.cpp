// SPDX-License-Identifier: MIT
#include "gui/room/PlayerSearchBar.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/ServiceEndpoints.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

PlayerSearchBar::PlayerSearchBar(ProgramState& state, QWidget* parent)
    : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("PlayerSearchBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Last Name Search:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);

    cmb_search = makeNamed<QComboBox>("cmb_search", this);
    cmb_search->setEditable(true);
    cmb_search->setInsertPolicy(QComboBox::NoInsert);
    cmb_search->setMaxVisibleItems(20);
    cmb_search->setMinimumContentsLength(26);
    // The completion below is the one the user knows; the combo box's own would fight it.
    cmb_search->setCompleter(nullptr);
    cmb_search->lineEdit()->installEventFilter(this);
    layout->addWidget(cmb_search, 1);

    cmd_search = makeNamed<QPushButton>("cmd_search", QStringLiteral("News"), this);
    cmd_addplayer = makeNamed<QPushButton>("cmd_addplayer", QStringLiteral("Add Player"), this);
    layout->addWidget(cmd_search);
    layout->addWidget(cmd_addplayer);

    // textEdited comes from typing only, so the completion's own change does not complete again.
    connect(cmb_search->lineEdit(), &QLineEdit::textEdited, this, &PlayerSearchBar::complete);
    connect(cmb_search, &QComboBox::activated, this, [this](int index) {
        m_chosenEntry = index;
        m_plid = chosenPlayer();
    });
    connect(cmd_search, &QPushButton::clicked, this, &PlayerSearchBar::showNews);
    connect(cmd_addplayer, &QPushButton::clicked, this, &PlayerSearchBar::addPlayer);
}

void PlayerSearchBar::fillSearchList() {
    auto entries = quorvane::fillSearchList(m_state);
    if (!entries) {
        return;
    }
    m_entries = std::move(*entries);
    cmb_search->clear();
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const SearchEntry& entry : m_entries) {
        names.append(QString::fromStdString(entry.name));
    }
    cmb_search->addItems(names);
    for (int index = 0; index < static_cast<int>(m_entries.size()); ++index) {
        cmb_search->setItemData(index, m_entries[static_cast<std::size_t>(index)].playerid);
    }
    cmb_search->setCurrentIndex(-1);
    cmb_search->clearEditText();
    m_chosenEntry = -1;
    m_plid = 0;
}

void PlayerSearchBar::reloadPlayers() {
    const QString typed = cmb_search->currentText();
    const int plid = m_plid;
    fillSearchList();
    if (!typed.isEmpty()) {
        cmb_search->setEditText(typed);
        m_plid = plid;
    }
}

void PlayerSearchBar::clearSearch() {
    cmb_search->setCurrentIndex(-1);
    // Set rather than cleared, so that the box keeps no undo of the name and Ctrl+Z goes to
    // the pick.
    cmb_search->setEditText(QString());
    m_chosenEntry = -1;
    m_plid = 0;
}

bool PlayerSearchBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmb_search->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter asks for the pick of the player the text names, like "Add Player".
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_plid > 0) {
            addPlayer();
            return true;
        }
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            m_searchNoComplete = true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayerSearchBar::complete(const QString& typed) {
    m_plid = 0;
    m_chosenEntry = -1;
    if (m_searchNoComplete) {
        m_searchNoComplete = false;
        return;
    }
    const std::string text = typed.toStdString();
    const auto found = findSearchEntry(m_entries, text);
    if (!found) {
        return;
    }
    const SearchEntry& entry = m_entries[*found];
    const QString name = QString::fromStdString(entry.name);
    if (name.size() > typed.size()) {
        QLineEdit* edit = cmb_search->lineEdit();
        edit->setText(typed + name.mid(typed.size()));
        edit->setSelection(static_cast<int>(typed.size()),
                           static_cast<int>(name.size() - typed.size()));
    }
    m_plid = entry.playerid;
}

int PlayerSearchBar::chosenPlayer() const {
    if (m_chosenEntry < 0 || m_chosenEntry >= static_cast<int>(m_entries.size())) {
        return 0;
    }
    return m_entries[static_cast<std::size_t>(m_chosenEntry)].playerid;
}

void PlayerSearchBar::addPlayer() {
    if (const int chosen = chosenPlayer(); chosen > 0) {
        emit addPlayerRequested(chosen);
    } else if (m_plid < 1) {
        emit customPlayerRequested();
    } else {
        emit addPlayerRequested(m_plid);
    }
}

void PlayerSearchBar::showNews() {
    const int chosen = chosenPlayer();
    const int id = chosen > 0 ? chosen : m_plid;
    if (id >= 1 && id < kFirstCustomPlayerId) {
        emit playerPageRequested(id);
    }
}

}  // namespace quorvane::gui
