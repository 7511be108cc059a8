// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "room/PlayerListFigures.h"
#include "room/PlayerListView.h"
#include "store/DraftPlayerRepository.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// "Last, First" and the suffix; empty when either name is missing (such a player has always
// shown without a name in the lists).
std::string commaName(const FreePlayerRow& player, std::string_view suffix = {});
std::string commaName(const std::optional<std::string>& firstname,
                      const std::optional<std::string>& lastname, std::string_view suffix = {});

struct DraftSession;
struct DraftSettings;
struct LoadedDraft;
class RoomAdvice;

// The eight position buttons of the available-players grid.
inline constexpr int kPositionButtons = 8;
// "All Players", "guards", ... by button index; "All Skaters" for any other index.
std::string positionName(int index);
// Presses a position button: the list's filter becomes its name. An index above 7 changes
// nothing.
void selectPositionButton(PlayerListView& list, int index);

// Headings of the available-players grid as shown (the value column reads "$" in an auction);
// withAdp adds the ADP, AAV and "value rank minus ADP" columns before the notes, withAdvice the
// pick advice's Gain, Z, Z$ and VONA after them.
std::vector<std::string> availablePlayerHeadings(const DraftSettings& draft, bool withAdp = false,
                                                 bool withAdvice = false);
// The column whose heading matches (any case), or nullopt.
std::optional<int> availablePlayerColumn(const DraftSettings& draft, std::string_view heading,
                                         bool withAdp = false, bool withAdvice = false);

// Row backgrounds by player flag: sleeper green, bust orange, upside cyan, otherwise white.
Rgb flagColour(int flag);

// The available-players grid of the open draft: undrafted players of the season the figure
// buttons chose, filtered by position and sorted by the heading of column `sortColumn` (the
// draft's order of value for an advice column, which the grid sorts itself); nullopt when the
// draft could not be read (the grid keeps what it showed).
// When the projection season has ADP or AAV figures, their columns come before the notes; with
// showing.showAdvice the advice of the last refresh (refreshRoomAdvice) follows them.
struct ListShowing {
    int statsMode = 0;  // the figures shown: 0 projections, 1 the previous season
    bool showAdvice = false;
    // The advice of the last refresh; none yet leaves the advice columns empty.
    const RoomAdvice* advice = nullptr;
};
std::optional<GridTable> fillAvailablePlayers(DraftSession& session, const ListShowing& showing,
                                              std::string_view positionFilter, int sortColumn);

// The headings the research grid sorts by ("$", "RK", "Name", ..., "3PTM", and the ADP columns'
// headings, which sort only when the season has such figures); any case matches.
std::vector<std::string> researchSortKeys();
bool isResearchSortKey(std::string_view key);

// The research grid for mode "AVAILABLE" or "TAKEN" (any case), sorted by a heading key (any
// other key leaves the rows unsorted), with the ADP columns last when the projection season has
// such figures; nullopt for any other mode or after a failure, which is logged. The ages are of
// the day given.
std::optional<GridTable> fillResearchGrid(DraftSession& session, std::string_view mode,
                                          std::string_view sortKey,
                                          std::chrono::year_month_day agesOn = localToday());

struct SearchEntry {
    std::string name;  // "Last, First (TEAM)"
    int playerid = 0;
};
// Every player of the projection season by name, except those a team of the open draft holds.
std::optional<std::vector<SearchEntry>> fillSearchList(DraftSession& session);
// Index of the first entry whose name begins with the typed text (any case), or nullopt.
std::optional<std::size_t> findSearchEntry(const std::vector<SearchEntry>& entries,
                                           std::string_view typed);

struct TeamChoice {
    std::string teamname;
    int teamid = 0;
};
struct TeamSelector {
    std::vector<TeamChoice> teams;
    int selected = -1;
};
// The roster selector: every team by draft position, the user's own team selected.
TeamSelector fillTeamSelector(const LoadedDraft& loaded);

}  // namespace quorvane
