// SPDX-License-Identifier: MIT
#include "advicedata/DraftModelLoader.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "advicedata/Punts.h"
#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "store/NumberText.h"

namespace quorvane {

namespace {

constexpr std::string_view kLoadFailed = " 91001 error: could not load the draft for advice";

// Columns in StatColumn order.
constexpr std::array<std::string_view, kStatColumnCount> kStatColumns = {
    "games", "fta",     "ftm",    "fga",    "fgm",       "pt3a",         "pt3m",        "oreb",
    "dreb",  "assists", "steals", "blocks", "turnovers", "doubledouble", "tripledouble"};

constexpr std::array<std::pair<std::string_view, std::uint8_t>, 5> kPositionColumns = {{
    {"PG", kPositionPG},
    {"SG", kPositionSG},
    {"SF", kPositionSF},
    {"PF", kPositionPF},
    {"C", kPositionC},
}};

constexpr const char* kPlayersSql =
    "select playerid, firstname, lastname, pos, games, fta, ftm, fga, fgm, pt3a, pt3m, oreb, "
    "dreb, assists, steals, blocks, turnovers, doubledouble, tripledouble, PG, SG, SF, PF, C, "
    "dollars, draftorder from DraftPlayers where yearofprojection = ? order by playerid";
constexpr const char* kValuesSql =
    "select playerid, dollars, draftorder from DraftPlayers where yearofprojection = ? "
    "order by playerid";
constexpr const char* kPicksSql =
    "select playerid, teamid, pos, draftorder, dollars from DraftTaken where template_id = ?";

std::size_t column(const Recordset& records, std::string_view name) {
    return static_cast<std::size_t>(records.columnIndex(name));
}

void readPlayers(const Recordset& records, DraftModel& model) {
    std::array<std::size_t, kStatColumnCount> stats{};
    for (std::size_t i = 0; i < kStatColumnCount; ++i) {
        stats[i] = column(records, kStatColumns[i]);
    }
    model.players.clear();
    model.players.reserve(records.rowCount());
    for (const auto& row : records.rows()) {
        ModelPlayer player;
        player.playerid = static_cast<int>(toInt(row[column(records, "playerid")]));
        player.firstname = toText(row[column(records, "firstname")]);
        player.lastname = toText(row[column(records, "lastname")]);
        player.pos = toText(row[column(records, "pos")]);
        for (std::size_t i = 0; i < kStatColumnCount; ++i) {
            player.stats[i] = toDouble(row[stats[i]]);
        }
        for (const auto& [name, bit] : kPositionColumns) {
            if (toInt(row[column(records, name)]) > 0) {
                player.positions |= bit;
            }
        }
        player.dollars = toDouble(row[column(records, "dollars")]);
        player.rank = static_cast<int>(toInt(row[column(records, "draftorder")]));
        model.players.push_back(std::move(player));
    }
}

// Players already held keep their projections; only the valuation's figures are new.
void readValues(const Recordset& records, DraftModel& model) {
    for (const auto& row : records.rows()) {
        if (ModelPlayer* player = model.findPlayer(static_cast<int>(toInt(row[0])))) {
            player->dollars = toDouble(row[1]);
            player->rank = static_cast<int>(toInt(row[2]));
        }
    }
}

void readPicks(const Recordset& records, DraftModel& model) {
    for (ModelPlayer& player : model.players) {
        player.teamid = 0;
        player.slot.clear();
        player.pickNumber = 0;
        player.price = 0.0;
    }
    for (const auto& row : records.rows()) {
        applyPick(model, static_cast<int>(toInt(row[0])), static_cast<int>(toInt(row[1])),
                  upperText(toText(row[2])), static_cast<int>(toInt(row[3])), toDouble(row[4]));
    }
}

void readSettings(const DraftSettings& settings, DraftModel& model) {
    model.template_id = settings.template_id;
    model.drafttype = settings.drafttype;
    model.scoringstyle = settings.scoringstyle;
    model.cap = settings.dollars;
    model.minbid = settings.minbid;
    model.rounds = settings.rounds();
    model.direction = settings.draftdirection;
    model.startingSlots = settings.rosterSize() - settings.R;
    model.categories.clear();
    for (const CategoryWeight& weight : settings.categories) {
        if (const CategoryDefinition* definition = findCategory(weight.categoryid)) {
            model.categories.push_back(
                {definition, &categoryFormula(*definition), weight.points, false});
        }
    }
    model.teams.clear();
    for (const DraftTeam& team : settings.draftTeams) {
        model.teams.push_back({team.teamid, team.teamname, team.draftposition, team.owner == 1,
                               team.currentpick == 1});
    }
}

// The picks, the turn and the punts.
bool readRoom(ProgramState& state, UserDialogs& dialogs, DraftModel& model) {
    Recordset picks;
    if (!openRecordset(picks, state.dbConnection, kPicksSql,
                       {SqlValue{std::int64_t{state.draftSettings->template_id}}})) {
        reportDatabaseError(dialogs, state.dbConnection, kLoadFailed);
        return false;
    }
    const std::optional<std::vector<int>> punts = readPunts(state, dialogs);
    if (!punts) {
        return false;
    }
    readSettings(*state.draftSettings, model);
    readPicks(picks, model);
    setPunts(model, *punts);
    return true;
}

}  // namespace

std::optional<DraftModel> loadDraftModel(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    DraftModel model;
    Recordset players;
    if (!openRecordset(players, state.dbConnection, kPlayersSql,
                       {SqlValue{std::int64_t{state.projectionYear}}})) {
        reportDatabaseError(dialogs, state.dbConnection, kLoadFailed);
        return std::nullopt;
    }
    readPlayers(players, model);
    if (!readRoom(state, dialogs, model)) {
        return std::nullopt;
    }
    return model;
}

bool refreshDraftModel(ProgramState& state, UserDialogs& dialogs, DraftModel& model) {
    if (!state.draftSettings) {
        return false;
    }
    Recordset values;
    if (!openRecordset(values, state.dbConnection, kValuesSql,
                       {SqlValue{std::int64_t{state.projectionYear}}})) {
        reportDatabaseError(dialogs, state.dbConnection, kLoadFailed);
        return false;
    }
    DraftModel refreshed = model;
    readValues(values, refreshed);
    if (!readRoom(state, dialogs, refreshed)) {
        return false;
    }
    model = std::move(refreshed);
    return true;
}

}  // namespace quorvane
