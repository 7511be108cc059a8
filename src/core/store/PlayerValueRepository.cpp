// SPDX-License-Identifier: MIT
#include "store/PlayerValueRepository.h"

#include "store/Connection.h"

namespace quorvane {

std::optional<std::vector<PlayerValue>> readPlayerValues(Connection& connection, int season) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select playerid, ifnull(dollars, 0) as dollars from DraftPlayers where "
                       "yearofprojection = ?",
                       {SqlValue{std::int64_t{season}}})) {
        return std::nullopt;
    }
    std::vector<PlayerValue> values;
    values.reserve(rows.rowCount());
    for (; !rows.eof(); rows.moveNext()) {
        values.push_back({static_cast<int>(rows.getInt("playerid")), rows.getDouble("dollars")});
    }
    return values;
}

}  // namespace quorvane
