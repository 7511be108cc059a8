// SPDX-License-Identifier: MIT
#include "store/SourceAdpRows.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

SqlValue optionalNumber(const std::optional<double>& value) {
    return value ? SqlValue{*value} : SqlValue{};
}

}  // namespace

bool replaceSourceAdp(Connection& connection, int season, const std::string& source,
                      const std::vector<PlayerAdp>& figures) {
    // A player the source no longer lists must not keep its old figure.
    if (!executeSql(connection,
                    "delete from DraftPlayerAdp where yearofprojection = ? and source = ?",
                    {SqlValue{std::int64_t{season}}, source})) {
        return false;
    }
    PreparedStatement insert;
    if (!insert.prepare(connection,
                        "insert or replace into DraftPlayerAdp (playerid, yearofprojection, "
                        "source, adp, aav, importedat) values (?, ?, ?, ?, ?, ?)")) {
        return false;
    }
    const std::string importedAt = connection.log().timestamp();
    for (const PlayerAdp& figure : figures) {
        if (!figure.adp && !figure.aav) {
            continue;
        }
        if (!insert.run({SqlValue{std::int64_t{figure.playerid}}, SqlValue{std::int64_t{season}},
                         source, optionalNumber(figure.adp), optionalNumber(figure.aav),
                         importedAt})) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
