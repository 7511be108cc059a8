// SPDX-License-Identifier: MIT
#include "gui/app/DatabaseWatcher.h"

#include <QApplication>

#include "session/ProgramState.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

DatabaseWatcher::DatabaseWatcher(ProgramState& state, UserDialogs& dialogs, QObject* parent)
    : QObject(parent), m_state(state), m_dialogs(dialogs) {
    m_timer.setInterval(kInterval);
    connect(&m_timer, &QTimer::timeout, this, &DatabaseWatcher::check);
}

void DatabaseWatcher::draftShown() {
    m_watch.shown(m_state, *m_state.loadedDraft);
}

void DatabaseWatcher::start() {
    m_timer.start();
}

void DatabaseWatcher::check() {
    if (QApplication::activeModalWidget() != nullptr || !m_state.dbConnection.isOpen()) {
        return;
    }
    // An action whose failure only reaches the log (a flag, a player note) still tells the user
    // when another program kept it from being written.
    reportDatabaseBusy(m_dialogs, m_state.dbConnection);
    const auto change = m_watch.look(m_state);
    if (!change) {
        return;
    }
    if (change->players) {
        emit playersChangedElsewhere();
    }
    emit changedElsewhere();
}

}  // namespace quorvane::gui
