// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string_view>

namespace quorvane {

class Connection;

// Hands the text of every statement the connection starts, as it was prepared (parameters as
// `?`), to an observer while it lives: a seam through which checks can read every statement an
// operation builds. One trace per connection at a time.
class StatementTrace {
  public:
    using Observer = std::function<void(std::string_view sql)>;

    StatementTrace(Connection& connection, Observer observer);
    ~StatementTrace();
    StatementTrace(const StatementTrace&) = delete;
    StatementTrace& operator=(const StatementTrace&) = delete;

  private:
    Connection& m_connection;
    Observer m_observer;
};

}  // namespace quorvane
