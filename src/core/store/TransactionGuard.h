// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

class Connection;
class WriterTurns;

// One user operation's transaction: everything written between construction and commit()
// lands together, and a guard destroyed without commit() rolls it all back. The outermost guard
// is a writer's transaction; guards inside it (an operation that calls another) are savepoints.
// When the outermost one cannot begin (another program held the database past the busy
// timeout), every statement is refused until the guard is rolled back or destroyed, so the
// operation fails at its next statement and reports that failure instead of writing without
// a transaction.
class TransactionGuard {
  public:
    explicit TransactionGuard(Connection& connection);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    bool begun() const { return m_begun; }
    bool commit();
    void rollback();

  private:
    void takeTurn();
    void giveTurn();

    Connection& m_connection;
    // The outermost guard's turn among this program's writers to the file, while it holds one.
    WriterTurns* m_turns = nullptr;
    std::string m_name;
    bool m_outermost = false;
    bool m_begun = false;
    bool m_done = false;
    bool m_refusing = false;
};

}  // namespace quorvane
