// SPDX-License-Identifier: MIT
#include "room/CustomPlayers.h"

#include <chrono>
#include <ctime>
#include <utility>
#include <variant>

#include <fmt/format.h>

#include "model/DraftModelLoader.h"
#include "model/ModelChanges.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftPlayerRepository.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

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
    const auto refuse = [&dialogs](const RuleMessage& message) {
        dialogs.showMessage(std::string(message.title), std::string(message.text),
                            MessageIcon::Exclamation);
        return std::nullopt;
    };
    CustomPlayerRuling ruling = ruleCustomPlayer(player);
    if (const auto* refusal = std::get_if<RuleMessage>(&ruling)) {
        return refuse(*refusal);
    }
    if (const auto* refusal = std::get_if<Message>(&ruling)) {
        dialogs.showMessage(refusal->title, refusal->text, refusal->icon);
        return std::nullopt;
    }
    auto* row = std::get_if<CustomPlayerRow>(&ruling);
    if (row == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> existing =
        countPlayersNamed(state.dbConnection, player.firstname, player.lastname);
    if (!existing) {
        reportDatabaseError(dialogs, state.dbConnection, " 12002 error: could not access database");
        return std::nullopt;
    }
    if (const std::optional<RuleMessage> refusal = namesakeRefusal(*existing)) {
        return refuse(*refusal);
    }

    TransactionGuard transaction(state.dbConnection);
    const bool modelCurrent = heldModelIsCurrent(state);
    const auto failed = [&] {
        reportDatabaseError(dialogs, state.dbConnection, " 12003 error: could not access database");
        return std::nullopt;
    };
    const std::optional<int> last = readHighestCustomPlayerid(state.dbConnection);
    if (!last) {
        return failed();
    }
    row->playerid = nextCustomPlayerid(*last);
    row->dateAdded = nowText();
    if (!insertCustomPlayer(state.dbConnection, *row,
                            {state.projectionYear, state.projectionYear - 1})) {
        return failed();
    }
    // The rows as the file now holds them, defaults and all, for the held model.
    std::optional<std::vector<ModelPlayer>> added;
    if (modelCurrent && !(added = readModelPlayerRows(state.dbConnection, row->playerid))) {
        return failed();
    }
    if (!transaction.commit()) {
        return failed();
    }
    keepOwnChange(state, modelCurrent,
                  [&added](DraftModel& model) { applyAddedPlayer(model, std::move(*added)); });
    return row->playerid;
}

}  // namespace quorvane
