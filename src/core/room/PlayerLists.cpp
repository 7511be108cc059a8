// SPDX-License-Identifier: MIT
#include "room/PlayerLists.h"

#include <algorithm>
#include <array>

#include "advicedata/RoomAdvice.h"
#include "app/ProgramState.h"
#include "room/AdpColumns.h"
#include "room/AdviceColumns.h"
#include "room/PlayerListSql.h"
#include "room/RoomValues.h"
#include "store/NumberText.h"
#include "valuation/CategoryCatalogue.h"

namespace quorvane {

namespace {

struct PositionFilter {
    std::string_view name;
    std::string_view condition;
};

constexpr std::array<PositionFilter, kPositionButtons> kPositionFilters = {{
    {"All Players", ""},
    {"guards", " and (PG > 0 OR SG > 0) "},
    {"pointguards", " and PG > 0 "},
    {"forwards", " and (PF > 0 OR SF > 0) "},
    {"powerforwards", " and PF > 0 "},
    {"centers", " and C > 0 "},
    {"shootingguards", " and SG > 0 "},
    {"smallforwards", " and SF > 0 "},
}};

constexpr std::string_view kByName = "dp.lastname, dp.firstname ";

std::string_view positionCondition(std::string_view filter) {
    const std::string wanted = lowerText(filter);
    for (const PositionFilter& entry : kPositionFilters) {
        if (lowerText(entry.name) == wanted) {
            return entry.condition;
        }
    }
    return "";
}

const CategoryDefinition* categoryOfHeading(std::string_view lowered) {
    for (const CategoryDefinition& category : categoryCatalogue()) {
        if (lowerText(category.heading) == lowered) {
            return &category;
        }
    }
    return nullptr;
}

// The weighted fantasy points of the draft's categories, or empty without any.
std::string fantasyPointsSql(const DraftSettings& draft) {
    std::string sum;
    for (const CategoryWeight& weight : draft.categories) {
        if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
            sum += (sum.empty() ? "(" : " + (") + categoryPointsTerm(*category) + " * " +
                   sqlReal(weight.points) + ")";
        }
    }
    return sum.empty() ? "0" : sum;
}

std::string availableOrder(const DraftSettings& draft, std::string_view heading, bool withAdp) {
    const std::string key = lowerText(heading);
    std::string first;
    if (key == "dv") {
        first = "dp.dollars desc";
    } else if (key == "rank") {
        first = "dp.draftorder";
    } else if (key == "name") {
        first.clear();
    } else if (key == "age") {
        first = std::string(kAgeSql);
    } else if (key == "team") {
        first = "dp.team";
    } else if (key == "pos") {
        first = "dp.pos";
    } else if (key == "gp") {
        first = "dp.games desc";
    } else if (key == "fpts") {
        first = fantasyPointsSql(draft) + " desc";
    } else if (const auto byAdp =
                   withAdp ? adpOrder(key, draft.drafttype == kDraftTypeAuction) : std::nullopt) {
        first = *byAdp;
    } else if (const CategoryDefinition* category = categoryOfHeading(key)) {
        // Fewer turnovers are better, so they come first.
        first = std::string(category->playerStatistic) +
                (category->categoryid == kTurnoversCategory ? "" : " desc");
    } else {
        first = draft.drafttype == kDraftTypeAuction ? "dp.dollars desc" : "dp.draftorder";
    }
    return " order by " + (first.empty() ? "" : first + ", ") + std::string(kByName);
}

// The research grid sorts by these headings and no others.
constexpr std::array<std::string_view, 19> kResearchSortKeys = {
    "$",   "RK", "Name", "Age", "Team", "Pos", "GP",  "PTS",  "AST", "STL",
    "BLK", "TO", "ORB",  "DRB", "REB",  "FGP", "FTP", "3PCT", "3PTM"};

std::string researchOrder(std::string_view sortKey, bool withAdp, bool auction) {
    if (!isResearchSortKey(sortKey)) {
        return "";
    }
    const std::string key = lowerText(sortKey);
    std::string first;
    if (key == "$") {
        first = "dp.dollars desc";
    } else if (key == "rk") {
        first = "dp.draftorder";
    } else if (key == "name") {
        first.clear();
    } else if (key == "age") {
        first = std::string(kAgeSql);
    } else if (key == "team") {
        first = "dp.team";
    } else if (key == "pos") {
        first = "dp.pos";
    } else if (key == "gp") {
        first = "dp.games desc";
    } else if (key == "pts" || key == "ast" || key == "stl" || key == "blk" || key == "to") {
        // Unlike the available players, turnovers sort from the most here.
        first = std::string(categoryOfHeading(key)->playerStatistic) + " desc";
    } else if (key == "orb") {
        first = "dp.oreb desc";
    } else if (key == "drb") {
        first = "dp.dreb desc";
    } else if (key == "reb") {
        first = "(dp.oreb + dp.dreb) desc";
    } else if (key == "fgp" || key == "ftp" || key == "3pct") {
        first = categoryGridColumn(*categoryOfHeading(key)) + " desc";
    } else if (key == "3ptm") {
        first = "dp.pt3m desc";
    } else if (const auto byAdp = withAdp ? adpOrder(key, auction) : std::nullopt) {
        first = *byAdp;
    }
    return " order by " + (first.empty() ? "" : first + ", ") + std::string(kByName);
}

int yearOfStatsMode(const ProgramState& state) {
    return state.statsMode == 0 ? state.projectionYear : state.projectionYear - 1;
}

}  // namespace

std::vector<std::string> researchSortKeys() {
    std::vector<std::string> keys(kResearchSortKeys.begin(), kResearchSortKeys.end());
    for (std::string& heading : adpHeadings()) {
        keys.push_back(std::move(heading));
    }
    return keys;
}

bool isResearchSortKey(std::string_view key) {
    const std::string wanted = lowerText(key);
    const std::vector<std::string> keys = researchSortKeys();
    return std::any_of(keys.begin(), keys.end(),
                       [&wanted](std::string_view known) { return lowerText(known) == wanted; });
}

std::string positionName(int index) {
    if (index >= 0 && index < kPositionButtons) {
        return std::string(kPositionFilters[static_cast<std::size_t>(index)].name);
    }
    return "All Skaters";
}

void selectPositionButton(PlayerListView& list, int index) {
    if (index < 0 || index >= kPositionButtons) {
        return;
    }
    list.positionFilter = positionName(index);
}

std::vector<std::string> availablePlayerHeadings(const DraftSettings& draft, bool withAdp,
                                                 bool withAdvice) {
    const bool auction = draft.drafttype == kDraftTypeAuction;
    std::vector<std::string> headings{"playerid", "flag", auction ? "$" : "RK"};
    if (draft.scoringstyle == kScoringPoints) {
        headings.emplace_back("FPTS");
    }
    for (const char* fixed : {"Name", "Team", "Pos", "GP"}) {
        headings.emplace_back(fixed);
    }
    for (const CategoryWeight& weight : draft.categories) {
        if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
            headings.emplace_back(category->heading);
        }
    }
    if (withAdp) {
        for (std::string& heading : adpHeadings()) {
            headings.push_back(std::move(heading));
        }
    }
    if (withAdvice) {
        for (std::string& heading : adviceHeadings()) {
            headings.push_back(std::move(heading));
        }
    }
    headings.emplace_back("Notes");
    return headings;
}

std::optional<int> availablePlayerColumn(const DraftSettings& draft, std::string_view heading,
                                         bool withAdp, bool withAdvice) {
    const std::vector<std::string> headings = availablePlayerHeadings(draft, withAdp, withAdvice);
    const std::string wanted = lowerText(heading);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (lowerText(headings[i]) == wanted) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string buildPlayerListSql(const ProgramState& state, std::string_view positionFilter,
                               int sortColumn, bool withAdp, bool withAdvice) {
    const DraftSettings& draft = *state.draftSettings();
    std::string sql = draft.drafttype == kDraftTypeAuction
                          ? "select dp.playerid, dp.flag, vbformat(dp.dollars,'0.00') as [DV], "
                          : "select dp.playerid, dp.flag, dp.draftorder as [RK], ";
    if (draft.scoringstyle == kScoringPoints) {
        sql += "vbformat(" + fantasyPointsSql(draft) + ",'0.##') as FPTS, ";
    }
    sql +=
        "dp.lastname || ', ' || dp.firstname as Name, iif(dp.team is null,'',dp.team) as Team, "
        "dp.pos as Pos, dp.games as [GP]";
    for (const CategoryWeight& weight : draft.categories) {
        if (const CategoryDefinition* category = findCategory(weight.categoryid)) {
            sql += ", " + categoryGridColumn(*category) + " as [" + std::string(category->heading) +
                   "]";
        }
    }
    sql += (withAdp ? adpSelectColumns(draft.drafttype == kDraftTypeAuction) : std::string()) +
           ", iif(dp.notes is null,'',dp.notes) as Notes from draftPlayers dp " +
           (withAdp ? adpJoin(state.projectionYear) : std::string()) +
           "where dp.playerid not in (select playerid from draftTaken where template_id = " +
           std::to_string(draft.template_id) +
           ") and dp.yearofprojection = " + std::to_string(yearOfStatsMode(state)) + " " +
           std::string(positionCondition(positionFilter));

    const std::vector<std::string> headings = availablePlayerHeadings(draft, withAdp, withAdvice);
    const std::string heading = sortColumn >= 0 && sortColumn < static_cast<int>(headings.size())
                                    ? headings[static_cast<std::size_t>(sortColumn)]
                                    : std::string();
    return sql + availableOrder(draft, heading, withAdp);
}

std::string commaName(const FreePlayerRow& player, std::string_view suffix) {
    if (!player.firstname || !player.lastname) {
        return {};
    }
    return *player.lastname + ", " + *player.firstname + std::string(suffix);
}

Rgb flagColour(int flag) {
    switch (flag) {
        case 1:
            return {0x00, 0xFF, 0x00};
        case 2:
            return {0xFF, 0x80, 0x00};
        case 3:
            return {0x00, 0xFF, 0xFF};
        default:
            return {0xFF, 0xFF, 0xFF};
    }
}

std::optional<GridTable> fillAvailablePlayers(ProgramState& state, std::string_view positionFilter,
                                              int sortColumn) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const bool withAdp = seasonHasAdp(state.dbConnection, state.projectionYear);
    const bool withAdvice = state.showAdvice;
    Recordset players;
    if (!openRecordset(
            players, state.dbConnection,
            buildPlayerListSql(state, positionFilter, sortColumn, withAdp, withAdvice))) {
        return std::nullopt;
    }
    GridTable grid = gridFromRecordset(players);
    grid.headings = availablePlayerHeadings(*state.draftSettings(), withAdp);
    grid.hiddenColumns = {0};
    grid.rowColours.reserve(grid.rows.size());
    for (const auto& row : players.rows()) {
        grid.rowColours.emplace_back(flagColour(static_cast<int>(toInt(row[1]))));
    }
    if (withAdvice) {
        const std::vector<std::string> headings =
            availablePlayerHeadings(*state.draftSettings(), withAdp, true);
        const std::string sortHeading =
            sortColumn >= 0 && sortColumn < static_cast<int>(headings.size())
                ? headings[static_cast<std::size_t>(sortColumn)]
                : std::string();
        addAdviceColumns(grid, currentRoomAdvice(state), sortHeading,
                         state.draftSettings()->drafttype == kDraftTypeAuction);
    }
    return grid;
}

std::optional<GridTable> fillResearchGrid(ProgramState& state, std::string_view mode,
                                          std::string_view sortKey) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const std::string wanted = lowerText(mode);
    const bool taken = wanted == "taken";
    if (!taken && wanted != "available") {
        return std::nullopt;
    }
    const std::string pattern = priceDecimals(draft) == 2 ? "'0.00'" : "'0'";
    const std::string templateId = std::to_string(draft.template_id);
    const std::string statistics =
        "dp.games as [GP], (dp.ftm + 2.0*dp.fgm + dp.pt3m) as [PTS], dp.assists as [AST], "
        "dp.steals as [STL], dp.blocks as [BLK], dp.turnovers as [TO], dp.oreb as [ORB], "
        "dp.dreb as [DRB], dp.oreb + dp.dreb as [REB], " +
        categoryGridColumn(*findCategory(15)) + " as [FGP], " +
        categoryGridColumn(*findCategory(14)) + " as [FTP], dp.pt3m as [3PTM], " +
        categoryGridColumn(*findCategory(17)) + " as [3PCT]";
    const bool withAdp = seasonHasAdp(state.dbConnection, state.projectionYear);
    const std::string adpColumns =
        withAdp ? adpSelectColumns(draft.drafttype == kDraftTypeAuction) + " " : std::string(" ");
    const std::string adpJoined = withAdp ? adpJoin(state.projectionYear) : std::string();
    const std::string age = std::string(kAgeSql) + " as Age, ";
    std::string sql;
    if (!taken) {
        sql = "select dp.playerid, vbformat(dp.dollars," + pattern +
              ") as DV, dp.draftorder as RK, dp.lastname || ', ' || dp.firstname as Name, " + age +
              "iif(dp.team is null,'',dp.team) as Team, dp.pos as Pos, " + statistics + adpColumns +
              "from draftPlayers dp " + adpJoined +
              "where dp.yearofprojection = " + std::to_string(state.researchYear) +
              " and dp.playerid not in (select playerid from drafttaken where template_id = " +
              templateId + ") ";
    } else {
        sql = "select dp.playerid, vbformat(dp.dollars," + pattern +
              ") as DV, vbformat(dk.dollars," + pattern +
              ") as PAID, dp.draftorder as RK, dk.draftorder as ORD, dp.lastname || ', ' || "
              "dp.firstname as Name, " +
              age + "dk.pos as Pos, dt.teamname as [Team Name], " + statistics + adpColumns +
              "from draftPlayers dp, draftTaken dk, draftTeams dt " + adpJoined +
              "where dp.yearofprojection = " + std::to_string(state.researchYear) +
              " and dt.template_id = dk.template_id and dt.teamid = dk.teamid and "
              "dt.template_id = " +
              templateId + " and dk.playerid = dp.playerid ";
    }
    Recordset rows;
    if (!openRecordset(
            rows, state.dbConnection,
            sql + researchOrder(sortKey, withAdp, draft.drafttype == kDraftTypeAuction))) {
        state.dbConnection.log().writeEntry(" 90100 error: could not select research list");
        return std::nullopt;
    }
    GridTable grid = gridFromRecordset(rows);
    if (draft.drafttype == kDraftTypeAuction) {
        grid.headings[1] = "$";
    }
    grid.hiddenColumns = {0};
    return grid;
}

std::optional<std::vector<SearchEntry>> fillSearchList(ProgramState& state) {
    // Players a team of the open draft holds cannot be picked again, so they are not offered.
    const int templateId = state.draftSettings() ? state.draftSettings()->template_id : 0;
    const auto players =
        readFreePlayersByName(state.dbConnection, state.projectionYear, templateId);
    if (!players) {
        state.dbConnection.log().writeEntry(" 90010 error: could not fill search combo box");
        return std::nullopt;
    }
    std::vector<SearchEntry> entries;
    entries.reserve(players->size());
    for (const FreePlayerRow& player : *players) {
        entries.push_back({commaName(player, " (" + player.team + ")"), player.playerid});
    }
    return entries;
}

std::optional<std::size_t> findSearchEntry(const std::vector<SearchEntry>& entries,
                                           std::string_view typed) {
    if (typed.empty()) {
        return std::nullopt;
    }
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& name = entries[i].name;
        if (name.size() >= typed.size() &&
            std::equal(typed.begin(), typed.end(), name.begin(), sameLetter)) {
            return i;
        }
    }
    return std::nullopt;
}

TeamSelector fillTeamSelector(const ProgramState& state) {
    TeamSelector selector;
    if (!state.draftSettings()) {
        return selector;
    }
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.owner == 1) {
            selector.selected = static_cast<int>(selector.teams.size());
        }
        selector.teams.push_back({team.teamname, team.teamid});
    }
    return selector;
}

}  // namespace quorvane
