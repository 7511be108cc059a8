// SPDX-License-Identifier: MIT
#include "store/StatementTrace.h"

#include <sqlite3.h>

#include "store/ConnectionImpl.h"

namespace quorvane {

namespace {

int traceStatement(unsigned /*event*/, void* context, void* /*statement*/, void* sql) {
    const auto* text = static_cast<const char*>(sql);
    // Statements run by triggers arrive as "--" comments; only the statements themselves count.
    if (text != nullptr && std::string_view(text).rfind("--", 0) != 0) {
        (*static_cast<StatementTrace::Observer*>(context))(text);
    }
    return 0;
}

sqlite3* handleOf(const Connection& connection) {
    return connection.isOpen() ? connection.impl()->database->getHandle() : nullptr;
}

}  // namespace

StatementTrace::StatementTrace(Connection& connection, Observer observer)
    : m_connection(connection), m_observer(std::move(observer)) {
    if (sqlite3* handle = handleOf(m_connection)) {
        sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, &traceStatement, &m_observer);
    }
}

StatementTrace::~StatementTrace() {
    if (sqlite3* handle = handleOf(m_connection)) {
        sqlite3_trace_v2(handle, 0, nullptr, nullptr);
    }
}

}  // namespace quorvane
