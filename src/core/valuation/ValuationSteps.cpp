// SPDX-License-Identifier: MIT
#include "valuation/ValuationSteps.h"

#include <cmath>

#include "app/UserDialogs.h"

namespace quorvane {

bool ValuationSteps::run(std::string_view sql, std::string_view logLiteral, StepReport report,
                         const SqlParams& params) {
    if (executeSql(m_connection, sql, params)) {
        return true;
    }
    fail(logLiteral, report);
    return false;
}

std::optional<double> ValuationSteps::number(std::string_view sql, std::string_view column,
                                             std::string_view logLiteral, StepReport report,
                                             const SqlParams& params) {
    Recordset result;
    if (!query(result, sql, logLiteral, report, params)) {
        return std::nullopt;
    }
    return result.eof() ? 0.0 : result.getDouble(column);
}

bool ValuationSteps::query(Recordset& result, std::string_view sql, std::string_view logLiteral,
                           StepReport report, const SqlParams& params) {
    if (openRecordset(result, m_connection, sql, params)) {
        return true;
    }
    fail(logLiteral, report);
    return false;
}

void ValuationSteps::fail(std::string_view logLiteral, StepReport report) {
    if (report == StepReport::MessageAndLog) {
        showDatabaseFailure(m_dialogs, m_connection, kDatabaseErrorTitle, kDatabaseAccessMessage,
                            MessageIcon::Exclamation);
    }
    m_connection.log().writeEntry(logLiteral);
}

SqlValue poolLimit(double count) {
    // A fractional count takes its whole part, as the old engine's top n did.
    const double whole = std::floor(count);
    return std::int64_t{whole > 0 ? static_cast<std::int64_t>(whole) : 0};
}

}  // namespace quorvane
