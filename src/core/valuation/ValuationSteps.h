// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "store/Connection.h"

namespace quorvane {

class UserDialogs;

// Whether a failed step shows the standard database message before its log line.
enum class StepReport { LogOnly, MessageAndLog };

// Runs the statements of one valuation or standings run. A failing statement has already been
// logged by the store; the step then adds its own numbered line (and the message when asked),
// and the caller ends the run, whose transaction rolls everything back.
class ValuationSteps {
  public:
    ValuationSteps(Connection& connection, UserDialogs& dialogs)
        : m_connection(connection), m_dialogs(dialogs) {}

    bool run(std::string_view sql, std::string_view logLiteral,
             StepReport report = StepReport::LogOnly, const SqlParams& params = {});

    // The named column of the first row as a number (0 when there is no row).
    std::optional<double> number(std::string_view sql, std::string_view column,
                                 std::string_view logLiteral,
                                 StepReport report = StepReport::LogOnly,
                                 const SqlParams& params = {});

    bool query(Recordset& result, std::string_view sql, std::string_view logLiteral,
               StepReport report = StepReport::LogOnly, const SqlParams& params = {});

    // A step that cannot run at all (nothing to sum, a divisor of 0), reported like a failed one.
    void fail(std::string_view logLiteral, StepReport report);

  private:
    Connection& m_connection;
    UserDialogs& m_dialogs;
};

// A whole number (id, year, count) as a statement parameter.
inline SqlValue whole(long long value) {
    return std::int64_t{value};
}

// SQLite reads a negative LIMIT as "no limit"; the pools take at most `count` players.
SqlValue poolLimit(double count);

}  // namespace quorvane
