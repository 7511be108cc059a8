// SPDX-License-Identifier: MIT
#include "room/AdpColumns.h"

#include "store/AdpRows.h"

namespace quorvane {

std::vector<std::string> adpHeadings() {
    return {std::string(kAdpHeading), std::string(kAavHeading), std::string(kRankMinusAdpHeading)};
}

bool seasonHasAdp(Connection& connection, int season) {
    return hasAdpRows(connection, season);
}

}  // namespace quorvane
