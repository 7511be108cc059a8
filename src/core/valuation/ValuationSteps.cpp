// SPDX-License-Identifier: MIT
#include "valuation/ValuationSteps.h"

#include "session/UserDialogs.h"

namespace quorvane {

void ValuationSteps::fail(std::string_view logLiteral, StepReport report) {
    if (report == StepReport::MessageAndLog) {
        showDatabaseFailure(m_dialogs, m_connection, kDatabaseErrorTitle, kDatabaseAccessMessage,
                            MessageIcon::Exclamation);
    }
    m_connection.log().writeEntry(logLiteral);
}

}  // namespace quorvane
