// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "store/Connection.h"

namespace quorvane {

class UserDialogs;

// Whether a failed step shows the standard database message before its log line.
enum class StepReport { LogOnly, MessageAndLog };

// Reports a valuation or standings run that could not go on: the failing statement (if any)
// was logged by the store; this adds the run's own numbered line (and the message when asked),
// and the caller ends the run, whose transaction rolls everything back.
class ValuationSteps {
  public:
    ValuationSteps(Connection& connection, UserDialogs& dialogs)
        : m_connection(connection), m_dialogs(dialogs) {}

    void fail(std::string_view logLiteral, StepReport report);

  private:
    Connection& m_connection;
    UserDialogs& m_dialogs;
};

// A whole number (id, year, count) as a statement parameter.
inline SqlValue whole(long long value) {
    return std::int64_t{value};
}

}  // namespace quorvane
