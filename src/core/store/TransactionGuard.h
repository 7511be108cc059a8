// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

class Connection;

// One user operation's transaction: everything written between construction and commit()
// lands together, and a guard destroyed without commit() rolls it all back. The outermost guard
// is a writer's transaction; guards inside it (an operation that calls another) are savepoints.
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
    Connection& m_connection;
    std::string m_name;
    bool m_outermost = false;
    bool m_begun = false;
    bool m_done = false;
};

}  // namespace quorvane
