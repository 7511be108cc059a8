// SPDX-License-Identifier: MIT
#include "store/TransactionGuard.h"

#include <atomic>

#include "store/Connection.h"

namespace quorvane {

namespace {
std::string nextSavepointName() {
    static std::atomic<unsigned> counter{0};
    return "operation_" + std::to_string(++counter);
}
}  // namespace

TransactionGuard::TransactionGuard(Connection& connection)
    : m_connection(connection), m_name(nextSavepointName()) {
    m_begun = executeSql(m_connection, "SAVEPOINT " + m_name);
}

TransactionGuard::~TransactionGuard() {
    if (m_begun && !m_done) {
        rollback();
    }
}

bool TransactionGuard::commit() {
    if (!m_begun || m_done) {
        return false;
    }
    m_done = executeSql(m_connection, "RELEASE SAVEPOINT " + m_name);
    return m_done;
}

void TransactionGuard::rollback() {
    if (!m_begun || m_done) {
        return;
    }
    executeSql(m_connection, "ROLLBACK TO SAVEPOINT " + m_name);
    executeSql(m_connection, "RELEASE SAVEPOINT " + m_name);
    m_done = true;
}

}  // namespace quorvane
