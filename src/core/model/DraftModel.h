// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vocabulary/CategoryCatalogue.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/Positions.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane {

// A player's projection columns, indexed by StatColumn.
using StatLine = std::array<double, kStatColumnCount>;

inline double& statOf(StatLine& line, StatColumn column) {
    return line[static_cast<std::size_t>(column)];
}
inline double statOf(const StatLine& line, StatColumn column) {
    return line[static_cast<std::size_t>(column)];
}

// The position columns as stored (PG, SG, SF, PF, C): the valuation's groups compare the
// numbers themselves, not only whether a player is listed there.
using PositionColumns = std::array<std::int64_t, 5>;

// How far the room strays from the average draft position unless the draft says otherwise.
inline constexpr double kDefaultAdpSpread = 0.10;

struct ModelPlayer {
    int playerid = 0;
    int yearofprojection = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;
    std::uint8_t positions = 0;  // of the projection season
    PositionColumns positionColumns{};
    // A projection ('P') with no negative centre column: the rotisserie valuation values him.
    bool projected = false;
    StatLine stats{};
    double dollars = 0.0;  // of the last valuation
    int rank = 0;          // of the last valuation; 0 when it gave him none
    int teamid = 0;        // 0 while he is available
    std::string slot;      // his roster slot on that team
    int pickNumber = 0;    // 0 for a keeper
    double price = 0.0;
    // The mean of the average draft positions imported for the projection season; none when no
    // source lists him.
    std::optional<double> adp;
    // The mean of the average auction values imported for the projection season, likewise.
    std::optional<double> aav;
    // What the player lists show besides the figures. A missing text (NULL in the file) shows
    // as an empty cell and sorts before every text, even an empty one.
    std::optional<std::string> team;
    std::optional<std::string> dob;
    std::optional<std::string> notes;
    int flag = 0;  // 0 none, 1 sleeper, 2 bust, 3 upside
    bool firstnameMissing = false;
    bool lastnameMissing = false;
    bool posMissing = false;
    // The file's own order of the rows: players the lists cannot tell apart keep it.
    std::int64_t storedOrder = 0;

    bool available() const { return teamid == 0; }
};

// One pick as recorded, in recording order; the player may be missing from the projections.
struct ModelPick {
    int playerid = 0;
    int teamid = 0;
    std::string slot;          // as stored
    bool slotMissing = false;  // no slot stored at all (counts as neither centre nor other)
    int pickNumber = 0;
    double price = 0.0;
};

struct ModelTeam {
    int teamid = 0;
    std::string teamname;
    int draftposition = 0;
    bool mine = false;
    bool onClock = false;
};

struct ModelCategory {
    const CategoryDefinition* definition = nullptr;
    const CategoryFormula* formula = nullptr;
    double weight = 0.0;
    bool punted = false;
    // Head-to-head leagues: tau^2 / sigma^2, the draft's own or the catalogue's.
    double varianceRatio = kOtherVarianceRatio;
};

// One draft held in memory: the players of every season with the columns every category needs
// and the figures the valuation stored, the picks, rosters, slots, money and turn. The
// valuation, the standings and the advice read only this, so a what-if question is a changed
// copy of it.
struct DraftModel {
    std::vector<ModelCategory> categories;  // the draft's, in its order
    int projectionYear = 0;
    bool seasonHasAdp = false;  // any source lists ADP or AAV figures for the projection season
    std::vector<ModelPlayer> players;       // of the projection season, by playerid
    std::vector<ModelPlayer> otherSeasons;  // every other season's rows, by playerid and season
    std::vector<ModelPick> picks;           // in recording order
    std::vector<ModelTeam> teams;           // by draft position
    // The draft's settings, shared with whoever loaded them: the type, the scoring, the money,
    // the rounds and slots, the turn on the clock, the teams' turn flags. The model keeps no copy
    // of any of them, so a pick or a setup change replaces them in one place (readSettings).
    std::shared_ptr<const DraftSettings> settings;
    // The draft's "ADP spread", read with the season's average draft positions.
    double adpSpread = kDefaultAdpSpread;
    // Other programs' commits (PRAGMA data_version) when the picks and settings were last read:
    // a writer that finds another number under its lock reads them again.
    std::optional<std::int64_t> dataVersion;

    // The settings the model reads: empty ones before any are held.
    const DraftSettings& draft() const;
    int template_id() const { return draft().template_id; }
    int drafttype() const { return draft().drafttype; }
    int scoringstyle() const { return draft().scoringstyle; }
    double cap() const { return draft().dollars; }  // per team
    double minbid() const { return draft().minbid; }
    int rounds() const { return settings ? settings->rounds() : 0; }
    const std::string& direction() const { return draft().draftdirection; }  // "U" or "D"
    // Per team: every slot kind but reserves.
    int startingSlots() const { return draft().rosterSize() - draft().R; }
    int headToHeadMode() const { return draft().headToHead.mode; }  // how a week is won
    double gamesPerWeek() const { return draft().headToHead.gamesPerWeek; }
    SlotCounts slotCounts() const;  // per team, every kind
    // The settings as `change` leaves a copy of them (empty ones before any are held), for a
    // what-if or a model built by hand; unlike readSettings it leaves the teams and categories.
    template <class Change>
    void changeSettings(Change&& change) {
        DraftSettings next = draft();
        std::forward<Change>(change)(next);
        settings = std::make_shared<const DraftSettings>(std::move(next));
    }

    int teamCount() const { return static_cast<int>(teams.size()); }
    bool auction() const;
    bool pointsLeague() const;
    bool headToHead() const;
    // nullptr when absent.
    const ModelPlayer* findPlayer(int playerid) const;
    ModelPlayer* findPlayer(int playerid);
    const ModelTeam* findTeam(int teamid) const;
    // Whether the draft holds a pick of the player.
    bool drafted(int playerid) const;
    // The user's own team; nullptr when no team is marked his.
    const ModelTeam* myTeam() const;
    // The turn on the clock counted from 1 over picks and skips (an auction's next sale); 1
    // before any settings are held.
    int turnNumber() const { return settings ? settings->turnNumber : 1; }
};

// The row of a player in a list sorted by playerid; nullptr when he has none.
template <class Row>
const Row* findByPlayerid(const std::vector<Row>& rows, int playerid) {
    const auto found = std::lower_bound(rows.begin(), rows.end(), playerid,
                                        [](const Row& row, int id) { return row.playerid < id; });
    return found != rows.end() && found->playerid == playerid ? &*found : nullptr;
}

// Marks the draft's categories whose ids are listed as punted, and only those.
void setPunts(DraftModel& model, const std::vector<int>& categoryids);
std::vector<int> puntedCategories(const DraftModel& model);

// What a recorded pick changes in memory, so that the advice after a pick needs no new load.
void applyPick(DraftModel& model, int playerid, int teamid, const std::string& slot, int pickNumber,
               double price);

}  // namespace quorvane
