// SPDX-License-Identifier: MIT
#include "store/TransactionGuard.h"

#include <atomic>

#include <sqlite3.h>

#include "store/Connection.h"
#include "store/ConnectionImpl.h"
#include "store/WriterTurns.h"

namespace quorvane {

namespace {
std::string nextSavepointName() {
    static std::atomic<unsigned> counter{0};
    return "operation_" + std::to_string(++counter);
}
bool insideTransaction(const Connection& connection) {
    return connection.isOpen() &&
           sqlite3_get_autocommit(connection.impl()->database->getHandle()) == 0;
}
}  // namespace

// The other writers of this program on the file wait in line (see WriterTurns) rather than in
// SQLite's busy handler; should the line not move within the busy timeout, the lock is asked
// for all the same, and the busy timeout decides as it does for other programs.
void TransactionGuard::takeTurn() {
    if (!m_connection.isOpen()) {
        return;
    }
    WriterTurns& turns = writerTurnsOf(m_connection.impl()->database->getFilename());
    if (turns.take(std::chrono::milliseconds(kBusyTimeoutMs))) {
        m_turns = &turns;
    }
}

void TransactionGuard::giveTurn() {
    if (m_turns != nullptr) {
        m_turns->give();
        m_turns = nullptr;
    }
}

// The outermost guard takes the write lock up front (BEGIN IMMEDIATE), so waiting for another
// program's writer happens once, in the busy handler, before anything is read; a deferred
// transaction that upgrades to writing mid-way would fail at once instead of waiting.
TransactionGuard::TransactionGuard(Connection& connection)
    : m_connection(connection), m_name(nextSavepointName()) {
    if (insideTransaction(connection)) {
        m_begun = executeSql(m_connection, "SAVEPOINT " + m_name);
    } else {
        m_outermost = true;
        takeTurn();
        m_begun = executeSql(m_connection, "BEGIN IMMEDIATE");
        if (!m_begun) {
            giveTurn();
        }
        if (!m_begun && connection.isOpen() && !connection.refusingStatements()) {
            connection.refuseStatements(connection.lastFailureWasBusy() ? SQLITE_BUSY
                                                                        : SQLITE_ERROR);
            m_refusing = true;
        }
    }
}

TransactionGuard::~TransactionGuard() {
    rollback();
}

bool TransactionGuard::commit() {
    if (!m_begun || m_done) {
        return false;
    }
    m_done = executeSql(m_connection, m_outermost ? "COMMIT" : "RELEASE SAVEPOINT " + m_name);
    if (!m_done && m_outermost) {
        // A commit that fails (a full disk, a busy file) leaves the transaction open: end it so
        // that the next operation does not nest inside a transaction nobody will finish. The
        // report of the failure is the commit's, so the rollback must not hide whether it was
        // busy.
        const Connection::Impl::Busy busy = m_connection.impl()->busy;
        executeSql(m_connection, "ROLLBACK");
        m_connection.impl()->busy = busy;
        m_done = true;
        giveTurn();
        return false;
    }
    if (m_outermost) {
        giveTurn();
    }
    return m_done;
}

void TransactionGuard::rollback() {
    if (m_refusing) {
        m_connection.acceptStatements();
        m_refusing = false;
    }
    if (!m_begun || m_done) {
        m_done = true;
        return;
    }
    if (m_outermost) {
        executeSql(m_connection, "ROLLBACK");
        giveTurn();
    } else {
        executeSql(m_connection, "ROLLBACK TO SAVEPOINT " + m_name);
        executeSql(m_connection, "RELEASE SAVEPOINT " + m_name);
    }
    m_done = true;
}

}  // namespace quorvane
