// SPDX-License-Identifier: MIT
#include "room/CustomPlayers.h"

#include <chrono>
#include <ctime>

#include <fmt/format.h>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "store/NumberText.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}

struct Eligibility {
    std::string_view chosen;
    std::string_view stored;
    int c, pg, sg, pf, sf;
};

// A custom guard or forward is stored under the group position with his one flag set.
constexpr Eligibility kEligibility[] = {
    {"C", "C", 1, 0, 0, 0, 0},  {"PG", "G", 0, 1, 0, 0, 0}, {"SG", "G", 0, 0, 1, 0, 0},
    {"PF", "F", 0, 0, 0, 1, 0}, {"SF", "F", 0, 0, 0, 0, 1},
};

std::string nowText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}:{:02}", local.tm_year + 1900,
                       local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

}  // namespace

std::optional<std::vector<std::string>> fillNbaTeams(ProgramState& state, UserDialogs& dialogs) {
    Recordset teams;
    if (!openRecordset(teams, state.dbConnection,
                       "select distinct team from draftPlayers where team is not null and "
                       "rtrim(team) <> '' order by team")) {
        reportDatabaseError(dialogs, state.dbConnection, " 12001 error: could not access database");
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (; !teams.eof(); teams.moveNext()) {
        names.push_back(teams.getText("team"));
    }
    return names;
}

TeamSelector fillCustomTeamList(const ProgramState& state) {
    TeamSelector list;
    list.teams.push_back({std::string(kDoNotAddToTeam), 0});
    list.selected = 0;
    if (state.draftSettings) {
        for (const DraftTeam& team : state.draftSettings->draftTeams) {
            list.teams.push_back({team.teamname, team.teamid});
        }
    }
    return list;
}

std::optional<int> addCustomPlayer(ProgramState& state, UserDialogs& dialogs,
                                   const CustomPlayer& player) {
    if (trim(player.firstname).empty()) {
        dialogs.showMessage("Invalid First Name", "First Name is invalid",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }
    if (trim(player.lastname).empty()) {
        dialogs.showMessage("Invalid Last Name", "Last Name is invalid", MessageIcon::Exclamation);
        return std::nullopt;
    }
    const Eligibility* eligibility = nullptr;
    for (const Eligibility& entry : kEligibility) {
        if (entry.chosen == player.pos) {
            eligibility = &entry;
        }
    }
    if (!eligibility) {
        return std::nullopt;
    }
    Recordset existing;
    if (!openRecordset(existing, state.dbConnection,
                       "select count(*) as cnt from draftPlayers where firstname = ? and "
                       "lastname = ?",
                       {player.firstname, player.lastname})) {
        reportDatabaseError(dialogs, state.dbConnection, " 12002 error: could not access database");
        return std::nullopt;
    }
    if (existing.getInt("cnt") > 0) {
        dialogs.showMessage("Player Exists", "A player with that name already exists.",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }

    TransactionGuard transaction(state.dbConnection);
    const auto failed = [&] {
        reportDatabaseError(dialogs, state.dbConnection, " 12003 error: could not access database");
        return std::nullopt;
    };
    Recordset highest;
    if (!openRecordset(highest, state.dbConnection,
                       "select iif(max(playerid) is null,0,max(playerid)) as plid from "
                       "draftadded")) {
        return failed();
    }
    const std::int64_t last = highest.getInt("plid");
    const int playerid = last == 0 ? kFirstCustomPlayerId : static_cast<int>(last) + 1;
    if (!executeSql(state.dbConnection,
                    "insert into draftAdded (playerid, firstname, lastname, pos, team, dateAdded) "
                    "values (?, ?, ?, ?, ?, ?)",
                    {id(playerid), player.firstname, player.lastname, player.pos, player.team,
                     nowText()})) {
        return failed();
    }
    for (const int year : {state.projectionYear, state.projectionYear - 1}) {
        if (!executeSql(
                state.dbConnection,
                "insert into draftPlayers (playerid, stat_indicator, firstname, lastname, "
                "pos, team, yearofprojection, c, pg, sg, pf, sf) values (?, 'P', ?, ?, ?, "
                "?, ?, ?, ?, ?, ?, ?)",
                {id(playerid), player.firstname, player.lastname, std::string(eligibility->stored),
                 player.team, id(year), id(eligibility->c), id(eligibility->pg),
                 id(eligibility->sg), id(eligibility->pf), id(eligibility->sf)})) {
            return failed();
        }
    }
    if (!transaction.commit()) {
        return failed();
    }
    return playerid;
}

}  // namespace quorvane
