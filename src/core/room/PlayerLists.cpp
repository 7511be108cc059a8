// SPDX-License-Identifier: MIT
#include "room/PlayerLists.h"

#include <algorithm>
#include <array>

#include "model/DraftSession.h"
#include "room/AdpColumns.h"
#include "room/AdviceColumns.h"
#include "room/AvailableList.h"
#include "room/DraftPicks.h"
#include "room/PlayerListFigures.h"
#include "room/ResearchList.h"
#include "room/RoomValues.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

struct PositionFilter {
    std::string_view name;
    std::uint8_t positions;  // a player needs one of them; 0 for everyone
};

constexpr std::array<PositionFilter, kPositionButtons> kPositionFilters = {{
    {"All Players", 0},
    {"guards", kPositionPG | kPositionSG},
    {"pointguards", kPositionPG},
    {"forwards", kPositionPF | kPositionSF},
    {"powerforwards", kPositionPF},
    {"centers", kPositionC},
    {"shootingguards", kPositionSG},
    {"smallforwards", kPositionSF},
}};

std::uint8_t positionsOf(std::string_view filter) {
    const std::string wanted = lowerText(filter);
    for (const PositionFilter& entry : kPositionFilters) {
        if (lowerText(entry.name) == wanted) {
            return entry.positions;
        }
    }
    return 0;
}

// The research grid sorts by these headings and no others.
constexpr std::array<std::string_view, 19> kResearchSortKeys = {
    "$",   "RK", "Name", "Age", "Team", "Pos", "GP",  "PTS",  "AST", "STL",
    "BLK", "TO", "ORB",  "DRB", "REB",  "FGP", "FTP", "3PCT", "3PTM"};

int yearOfStatsMode(const DraftSession& session, int statsMode) {
    return statsMode == 0 ? session.projectionYear : session.projectionYear - 1;
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

std::string commaName(const FreePlayerRow& player, std::string_view suffix) {
    return commaName(player.firstname, player.lastname, suffix);
}

std::string commaName(const std::optional<std::string>& firstname,
                      const std::optional<std::string>& lastname, std::string_view suffix) {
    if (!firstname || !lastname) {
        return {};
    }
    return *lastname + ", " + *firstname + std::string(suffix);
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

std::optional<GridTable> fillAvailablePlayers(DraftSession& session, const ListShowing& showing,
                                              std::string_view positionFilter, int sortColumn) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        return std::nullopt;
    }
    const DraftSettings& draft = *session.draftSettings();
    const bool withAdp = model->seasonHasAdp;
    const bool withAdvice = showing.showAdvice;
    const std::vector<std::string> headings = availablePlayerHeadings(draft, withAdp, withAdvice);
    const std::string sortHeading =
        sortColumn >= 0 && sortColumn < static_cast<int>(headings.size())
            ? headings[static_cast<std::size_t>(sortColumn)]
            : std::string();
    GridTable grid =
        availablePlayersGrid(*model, {yearOfStatsMode(session, showing.statsMode),
                                      positionsOf(positionFilter), sortHeading, withAdp});
    grid.headings = availablePlayerHeadings(draft, withAdp);
    if (withAdvice) {
        addAdviceColumns(grid, showing.advice, sortHeading, draft.drafttype == kDraftTypeAuction);
    }
    return grid;
}

std::optional<GridTable> fillResearchGrid(DraftSession& session, std::string_view mode,
                                          std::string_view sortKey,
                                          std::chrono::year_month_day agesOn) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const std::string wanted = lowerText(mode);
    const bool taken = wanted == "taken";
    if (!taken && wanted != "available") {
        return std::nullopt;
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        session.dbConnection.log().writeEntry(" 90100 error: could not select research list");
        return std::nullopt;
    }
    return researchGridOf(*model, {session.researchYear, taken, sortKey, model->seasonHasAdp,
                                   priceDecimals(*session.draftSettings()), agesOn});
}

std::optional<std::vector<SearchEntry>> fillSearchList(DraftSession& session) {
    // Players a team of the open draft holds cannot be picked again, so they are not offered.
    const int templateId = session.draftSettings() ? session.draftSettings()->template_id : 0;
    const auto players =
        readFreePlayersByName(session.dbConnection, session.projectionYear, templateId);
    if (!players) {
        session.dbConnection.log().writeEntry(" 90010 error: could not fill search combo box");
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

TeamSelector fillTeamSelector(const LoadedDraft& loaded) {
    TeamSelector selector;
    if (!loaded.draftSettings) {
        return selector;
    }
    for (const DraftTeam& team : loaded.draftSettings->draftTeams) {
        if (team.owner == 1) {
            selector.selected = static_cast<int>(selector.teams.size());
        }
        selector.teams.push_back({team.teamname, team.teamid});
    }
    return selector;
}

}  // namespace quorvane
