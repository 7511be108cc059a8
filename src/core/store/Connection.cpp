// SPDX-License-Identifier: MIT
#include "store/Connection.h"

#include <filesystem>
#include <string>

#include <sqlite3.h>

#include "store/ConnectionImpl.h"
#include "store/SqlFunctions.h"
#include "store/StatementSteps.h"

namespace quorvane {

namespace {

// Text without a statement (only blanks or a comment) fails, as it always has, with this line.
constexpr const char* kNothingToRun = "Statement was not prepared.";

void logFailure(const Connection& connection, std::string_view error, std::string_view sql) {
    const Log& log = connection.log();
    log.writeLog(log.timestamp() + " : " + std::string(error) + " : " + std::string(sql));
}

int primaryCodeOf(const std::exception& error) {
    if (const auto* engine = dynamic_cast<const SQLite::Exception*>(&error)) {
        return engine->getErrorCode() & 0xff;
    }
    return SQLITE_ERROR;
}

// A success ends a busy episode; a busy failure starts one unless one is already running (told
// or not); any other failure ends it.
void recordOutcome(const Connection& connection, int code) {
    using Busy = Connection::Impl::Busy;
    Connection::Impl& impl = *connection.impl();
    if (code == SQLITE_BUSY) {
        if (impl.busy == Busy::None) {
            impl.busy = Busy::Untold;
        }
    } else {
        impl.busy = Busy::None;
    }
}

void recordFailure(const Connection& connection, const std::exception& error,
                   std::string_view sql) {
    logFailure(connection, error.what(), sql);
    recordOutcome(connection, primaryCodeOf(error));
}

bool refused(const Connection& connection, std::string_view sql) {
    if (!connection.refusingStatements()) {
        return false;
    }
    logFailure(connection, "not run: the operation's transaction could not begin", sql);
    recordOutcome(connection, connection.impl()->refusalCode);
    return true;
}

bool openWithFlags(Connection& connection, const std::string& path, Log log, int flags) {
    connection.setLog(std::move(log));
    connection.impl()->statements.clear();
    connection.impl()->database.reset();
    connection.acceptStatements();
    try {
        auto database = std::make_unique<SQLite::Database>(path, flags, kBusyTimeoutMs);
        // Switching to WAL needs the file to itself; a file that is already WAL is only read.
        database->exec("PRAGMA journal_mode=WAL");
        database->exec("PRAGMA foreign_keys=OFF");
        registerSqlFunctions(database->getHandle());
        connection.impl()->database = std::move(database);
        recordOutcome(connection, SQLITE_OK);
        return true;
    } catch (const std::exception& error) {
        recordOutcome(connection, primaryCodeOf(error));
        return false;
    }
}

}  // namespace

Connection::Connection() : m_impl(std::make_unique<Impl>()) {}
Connection::~Connection() = default;
Connection::Connection(Connection&&) noexcept = default;
Connection& Connection::operator=(Connection&&) noexcept = default;

bool Connection::isOpen() const {
    return m_impl && m_impl->database != nullptr;
}

std::int64_t Connection::lastInsertId() const {
    return isOpen() ? m_impl->database->getLastInsertRowid() : 0;
}

int Connection::changes() const {
    return isOpen() ? m_impl->database->getChanges() : 0;
}

std::int64_t Connection::totalChanges() const {
    return isOpen() ? sqlite3_total_changes64(m_impl->database->getHandle()) : 0;
}

bool Connection::takeUntoldBusy() const {
    if (m_impl->busy != Impl::Busy::Untold) {
        return false;
    }
    m_impl->busy = Impl::Busy::Told;
    return true;
}

bool Connection::lastFailureWasBusy() const {
    return m_impl->busy != Impl::Busy::None;
}

void Connection::refuseStatements(int errorCode) {
    m_impl->refusalCode = errorCode == SQLITE_OK ? SQLITE_ERROR : errorCode;
}

void Connection::acceptStatements() {
    m_impl->refusalCode = SQLITE_OK;
}

bool Connection::refusingStatements() const {
    return m_impl->refusalCode != SQLITE_OK;
}

bool openConnection(Connection& connection, const std::string& connectionString, Log log) {
    std::error_code error;
    if (connectionString.empty() || !std::filesystem::is_regular_file(connectionString, error)) {
        connection.setLog(std::move(log));
        connection.impl()->statements.clear();
        connection.impl()->database.reset();
        return false;
    }
    return openWithFlags(connection, connectionString, std::move(log), SQLite::OPEN_READWRITE);
}

bool createConnection(Connection& connection, const std::string& connectionString, Log log) {
    return openWithFlags(connection, connectionString, std::move(log),
                         SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
}

void closeConnection(Connection& connection) {
    if (connection.isOpen()) {
        connection.impl()->statements.clear();
        connection.impl()->database.reset();
    }
    connection.acceptStatements();
}

bool setBusyTimeout(Connection& connection, int milliseconds) {
    if (!connection.isOpen()) {
        return false;
    }
    return sqlite3_busy_timeout(connection.impl()->database->getHandle(), milliseconds) ==
           SQLITE_OK;
}

bool openRecordset(Connection& connection, std::string_view sql, const SqlParams& params,
                   const RowSink& read) {
    if (!connection.isOpen()) {
        logFailure(connection, "the database is not open", sql);
        return false;
    }
    if (refused(connection, sql)) {
        return false;
    }
    StatementCache& cache = connection.impl()->statements;
    if (StatementCache::changesTables(sql)) {
        cache.clear();
    }
    sqlite3* database = connection.impl()->database->getHandle();
    try {
        if (StatementCache::keeps(sql)) {
            cache.run(database, sql, params, read);
        } else {
            const CompiledStatement statement = compileStatement(database, sql);
            if (!statement) {
                throw SQLite::Exception(kNothingToRun);
            }
            bindParameters(database, statement.get(), params);
            stepRows(database, statement.get(), read);
        }
        recordOutcome(connection, SQLITE_OK);
        return true;
    } catch (const std::exception& error) {
        recordFailure(connection, error, sql);
        return false;
    }
}

bool executeSql(Connection& connection, std::string_view sql, const SqlParams& params) {
    return openRecordset(connection, sql, params, nullptr);
}

bool executeScript(Connection& connection, std::string_view script) {
    if (!connection.isOpen()) {
        logFailure(connection, "the database is not open", script);
        return false;
    }
    if (refused(connection, script)) {
        return false;
    }
    // A script may change tables the kept statements were compiled against.
    connection.impl()->statements.clear();
    try {
        connection.impl()->database->exec(std::string(script));
        recordOutcome(connection, SQLITE_OK);
        return true;
    } catch (const std::exception& error) {
        recordFailure(connection, error, script);
        return false;
    }
}

struct PreparedStatement::Impl {
    Connection* connection = nullptr;
    std::string sql;
    CompiledStatement statement;
};

PreparedStatement::PreparedStatement() : m_impl(std::make_unique<Impl>()) {}
PreparedStatement::~PreparedStatement() = default;
PreparedStatement::PreparedStatement(PreparedStatement&&) noexcept = default;
PreparedStatement& PreparedStatement::operator=(PreparedStatement&&) noexcept = default;

bool PreparedStatement::prepare(Connection& connection, std::string_view sql) {
    m_impl->connection = &connection;
    m_impl->sql = std::string(sql);
    m_impl->statement.reset();
    if (!connection.isOpen()) {
        logFailure(connection, "the database is not open", sql);
        return false;
    }
    if (refused(connection, sql)) {
        return false;
    }
    try {
        m_impl->statement = compileStatement(connection.impl()->database->getHandle(), sql);
        if (!m_impl->statement) {
            throw SQLite::Exception(kNothingToRun);
        }
        return true;
    } catch (const std::exception& error) {
        recordFailure(connection, error, sql);
        return false;
    }
}

bool PreparedStatement::run(const SqlParams& params) {
    return query(params, nullptr);
}

bool PreparedStatement::query(const SqlParams& params, const RowSink& read) {
    if (!m_impl->statement || refused(*m_impl->connection, m_impl->sql)) {
        return false;
    }
    sqlite3* database = m_impl->connection->impl()->database->getHandle();
    try {
        bindParameters(database, m_impl->statement.get(), params);
        stepRows(database, m_impl->statement.get(), read);
        recordOutcome(*m_impl->connection, SQLITE_OK);
        return true;
    } catch (const std::exception& error) {
        recordFailure(*m_impl->connection, error, m_impl->sql);
        return false;
    }
}

}  // namespace quorvane
