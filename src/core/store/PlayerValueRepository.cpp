// SPDX-License-Identifier: MIT
#include "store/PlayerValueRepository.h"

#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

std::optional<std::vector<PlayerValue>> readPlayerValues(Connection& connection, int season) {
    return readRows<PlayerValue>(
        connection,
        "select playerid, ifnull(dollars, 0) as dollars from DraftPlayers where "
        "yearofprojection = ?",
        {SqlValue{std::int64_t{season}}}, [](const StatementRow& row) {
            return PlayerValue{row.as<int>(0), row.real(1)};
        });
}

}  // namespace quorvane
