// SPDX-License-Identifier: MIT
#include "room/CustomPlayers.h"

#include <chrono>
#include <ctime>

#include <fmt/format.h>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "store/DraftPlayerRepository.h"
#include "store/NumberText.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

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
    std::optional<std::vector<std::string>> names = readNbaTeams(state.dbConnection);
    if (!names) {
        reportDatabaseError(dialogs, state.dbConnection, " 12001 error: could not access database");
    }
    return names;
}

TeamSelector fillCustomTeamList(const ProgramState& state) {
    TeamSelector list;
    list.teams.push_back({std::string(kDoNotAddToTeam), 0});
    list.selected = 0;
    if (state.draftSettings()) {
        for (const DraftTeam& team : state.draftSettings()->draftTeams) {
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
    const std::optional<std::int64_t> existing =
        countPlayersNamed(state.dbConnection, player.firstname, player.lastname);
    if (!existing) {
        reportDatabaseError(dialogs, state.dbConnection, " 12002 error: could not access database");
        return std::nullopt;
    }
    if (*existing > 0) {
        dialogs.showMessage("Player Exists", "A player with that name already exists.",
                            MessageIcon::Exclamation);
        return std::nullopt;
    }

    TransactionGuard transaction(state.dbConnection);
    const auto failed = [&] {
        reportDatabaseError(dialogs, state.dbConnection, " 12003 error: could not access database");
        return std::nullopt;
    };
    const std::optional<int> last = readHighestCustomPlayerid(state.dbConnection);
    if (!last) {
        return failed();
    }
    CustomPlayerRow row;
    row.playerid = *last == 0 ? kFirstCustomPlayerId : *last + 1;
    row.firstname = player.firstname;
    row.lastname = player.lastname;
    row.pos = std::string(eligibility->stored);
    row.team = player.team;
    row.listedPos = player.pos;
    row.dateAdded = nowText();
    row.c = eligibility->c;
    row.pg = eligibility->pg;
    row.sg = eligibility->sg;
    row.pf = eligibility->pf;
    row.sf = eligibility->sf;
    if (!insertCustomPlayer(state.dbConnection, row,
                            {state.projectionYear, state.projectionYear - 1})) {
        return failed();
    }
    if (!transaction.commit()) {
        return failed();
    }
    return row.playerid;
}

}  // namespace quorvane
