// SPDX-License-Identifier: MIT
#include "room/AdpColumns.h"

#include "room/PlayerListSql.h"
#include "store/AdpRows.h"
#include "store/Connection.h"

namespace quorvane {

namespace {

// A snake or straight draft ranks its players itself; an auction's value rank is the place of
// the player's dollar value in the season.
std::string valueRank(bool auction) {
    return auction ? "adp.valuerank" : "iif(dp.draftorder > 0, dp.draftorder, null)";
}

std::string rankMinusAdp(bool auction) {
    return "(" + valueRank(auction) + " - adp.adp)";
}

}  // namespace

std::vector<std::string> adpHeadings() {
    return {std::string(kAdpHeading), std::string(kAavHeading), std::string(kRankMinusAdpHeading)};
}

bool seasonHasAdp(Connection& connection, int season) {
    return hasAdpRows(connection, season);
}

std::string adpSelectColumns(bool auction) {
    return ", iif(adp.adp is null,'',vbformat(adp.adp,'0.##')) as [ADP]"
           ", iif(adp.aav is null,'',vbformat(adp.aav,'0.##')) as [AAV]"
           ", iif(" +
           rankMinusAdp(auction) + " is null,'',vbformat(" + rankMinusAdp(auction) +
           ",'0.##')) as [value rank minus ADP]";
}

std::string adpJoin(int season) {
    // The season is the program's own whole number, written as a real as SQL numbers are here.
    const std::string year = std::to_string(season) + ".0";
    return " left join (select p.playerid, rank() over (order by p.dollars desc) as valuerank, "
           "f.adp, f.aav from DraftPlayers p left join (select playerid, avg(adp) as adp, "
           "avg(aav) as aav from DraftPlayerAdp where yearofprojection = " +
           year +
           " group by playerid) f on f.playerid = p.playerid where p.yearofprojection = " + year +
           ") adp on adp.playerid = dp.playerid ";
}

std::optional<std::string> adpOrder(std::string_view loweredHeading, bool auction) {
    if (loweredHeading == lowerText(kAdpHeading)) {
        return "adp.adp is null, adp.adp";
    }
    if (loweredHeading == lowerText(kAavHeading)) {
        return "adp.aav is null, adp.aav desc";
    }
    if (loweredHeading == lowerText(kRankMinusAdpHeading)) {
        return rankMinusAdp(auction) + " is null, " + rankMinusAdp(auction);
    }
    return std::nullopt;
}

}  // namespace quorvane
