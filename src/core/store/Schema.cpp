// SPDX-License-Identifier: MIT
#include "store/Schema.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>

#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

// Names that users compare by eye are NOCASE, as the old engine compared all text.
constexpr const char* kCoreTables = R"sql(
CREATE TABLE IF NOT EXISTS DraftPlayers (
    playerid INTEGER NOT NULL,
    stat_indicator TEXT,
    yearofprojection INTEGER NOT NULL,
    firstname TEXT COLLATE NOCASE,
    lastname TEXT COLLATE NOCASE,
    pos TEXT COLLATE NOCASE,
    team TEXT COLLATE NOCASE,
    dob TEXT,
    games INTEGER NOT NULL DEFAULT 0,
    minutes INTEGER NOT NULL DEFAULT 0,
    fta INTEGER NOT NULL DEFAULT 0,
    ftm INTEGER NOT NULL DEFAULT 0,
    fga INTEGER NOT NULL DEFAULT 0,
    fgm INTEGER NOT NULL DEFAULT 0,
    pt3a INTEGER NOT NULL DEFAULT 0,
    pt3m INTEGER NOT NULL DEFAULT 0,
    oreb INTEGER NOT NULL DEFAULT 0,
    dreb INTEGER NOT NULL DEFAULT 0,
    assists INTEGER NOT NULL DEFAULT 0,
    steals INTEGER NOT NULL DEFAULT 0,
    blocks INTEGER NOT NULL DEFAULT 0,
    turnovers INTEGER NOT NULL DEFAULT 0,
    doubledouble INTEGER NOT NULL DEFAULT 0,
    tripledouble INTEGER NOT NULL DEFAULT 0,
    revisiondate TEXT,
    PG INTEGER NOT NULL DEFAULT 0,
    SG INTEGER NOT NULL DEFAULT 0,
    PF INTEGER NOT NULL DEFAULT 0,
    SF INTEGER NOT NULL DEFAULT 0,
    C INTEGER NOT NULL DEFAULT 0,
    dollars REAL NOT NULL DEFAULT 0,
    draftorder INTEGER NOT NULL DEFAULT 0,
    flag INTEGER NOT NULL DEFAULT 0,
    notes TEXT,
    PRIMARY KEY (playerid, yearofprojection)
);
CREATE INDEX IF NOT EXISTS DraftPlayers_year ON DraftPlayers (yearofprojection);

CREATE TABLE IF NOT EXISTS DraftTemplate (
    template_id INTEGER PRIMARY KEY AUTOINCREMENT,
    template_name TEXT NOT NULL COLLATE NOCASE UNIQUE,
    teams INTEGER NOT NULL DEFAULT 0,
    dollars REAL NOT NULL DEFAULT 200,
    rounds INTEGER NOT NULL DEFAULT 13,
    drafttype INTEGER NOT NULL DEFAULT 0,
    scoringstyle INTEGER NOT NULL DEFAULT 0,
    minbid REAL NOT NULL DEFAULT 1,
    draftdirection TEXT NOT NULL DEFAULT 'U'
);

CREATE TABLE IF NOT EXISTS DraftRoster (
    template_id INTEGER PRIMARY KEY,
    C INTEGER NOT NULL DEFAULT 2,
    F INTEGER NOT NULL DEFAULT 1,
    G INTEGER NOT NULL DEFAULT 1,
    SF INTEGER NOT NULL DEFAULT 1,
    PF INTEGER NOT NULL DEFAULT 1,
    SG INTEGER NOT NULL DEFAULT 1,
    PG INTEGER NOT NULL DEFAULT 1,
    UT INTEGER NOT NULL DEFAULT 2,
    R INTEGER NOT NULL DEFAULT 3
);

CREATE TABLE IF NOT EXISTS DraftTeams (
    teamid INTEGER PRIMARY KEY AUTOINCREMENT,
    template_id INTEGER NOT NULL,
    teamname TEXT COLLATE NOCASE,
    draftposition INTEGER NOT NULL DEFAULT 0,
    owner INTEGER NOT NULL DEFAULT 0,
    currentpick INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS DraftTeams_template ON DraftTeams (template_id);

CREATE TABLE IF NOT EXISTS DraftCategory (
    template_id INTEGER NOT NULL,
    categoryid INTEGER NOT NULL,
    points REAL NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS DraftCategory_template ON DraftCategory (template_id);

CREATE TABLE IF NOT EXISTS DraftTaken (
    template_id INTEGER NOT NULL,
    playerid INTEGER NOT NULL,
    teamid INTEGER NOT NULL DEFAULT 0,
    pos TEXT,
    draftorder INTEGER NOT NULL DEFAULT 0,
    dollars REAL NOT NULL DEFAULT 0,
    UNIQUE (template_id, playerid)
);
CREATE INDEX IF NOT EXISTS DraftTaken_template ON DraftTaken (template_id);

CREATE TABLE IF NOT EXISTS DraftNotes (
    template_id INTEGER PRIMARY KEY,
    notes TEXT NOT NULL DEFAULT ''
);

CREATE TABLE IF NOT EXISTS draftTargets (
    template_id INTEGER NOT NULL,
    categoryid INTEGER NOT NULL,
    target REAL NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS ProjectionEdits (
    playerid INTEGER NOT NULL UNIQUE,
    pos TEXT COLLATE NOCASE,
    team TEXT COLLATE NOCASE,
    games INTEGER NOT NULL DEFAULT 0,
    FGA INTEGER NOT NULL DEFAULT 0,
    FGM INTEGER NOT NULL DEFAULT 0,
    FTA INTEGER NOT NULL DEFAULT 0,
    FTM INTEGER NOT NULL DEFAULT 0,
    pt3a INTEGER NOT NULL DEFAULT 0,
    pt3m INTEGER NOT NULL DEFAULT 0,
    OREB INTEGER NOT NULL DEFAULT 0,
    DREB INTEGER NOT NULL DEFAULT 0,
    assists INTEGER NOT NULL DEFAULT 0,
    steals INTEGER NOT NULL DEFAULT 0,
    blocks INTEGER NOT NULL DEFAULT 0,
    turnovers INTEGER NOT NULL DEFAULT 0,
    doubledouble INTEGER NOT NULL DEFAULT 0,
    tripledouble INTEGER NOT NULL DEFAULT 0,
    LastUpdated TEXT
);

CREATE TABLE IF NOT EXISTS draftAdded (
    playerid INTEGER NOT NULL,
    firstname TEXT COLLATE NOCASE,
    lastname TEXT COLLATE NOCASE,
    pos TEXT COLLATE NOCASE,
    team TEXT COLLATE NOCASE,
    dateAdded TEXT
);

CREATE TABLE IF NOT EXISTS category (
    categoryid INTEGER PRIMARY KEY,
    symbol TEXT,
    sgp_denominator REAL NOT NULL DEFAULT 0
);
)sql";

// Work tables of the valuation and standings statements older copies of the program run: this
// program values in memory and never writes them, but a file it made must still hold them for
// those copies, and a released step is never edited. Figures are REAL so that divisions in
// those statements are never integer divisions.
constexpr const char* kWorkTables = R"sql(
CREATE TABLE IF NOT EXISTS proj_cats (
    playerid INTEGER, pos TEXT, sgp REAL, games REAL, Pts REAL, ast REAL, st REAL, apg REAL,
    reb REAL, oreb REAL, dreb REAL, a_t REAL, turnovers REAL, ftpct REAL, fgpct REAL, pt3m REAL,
    pt3pct REAL, pt3att REAL, fgm REAL, fga REAL, ftm REAL, fta REAL, doubledouble REAL,
    tripledouble REAL, ppg REAL, rpg REAL, spg REAL, bk REAL, bpg REAL, pt2a REAL, pt2m REAL,
    dollars REAL
);
CREATE TABLE IF NOT EXISTS top_players (playerid INTEGER, sgp REAL);
CREATE TABLE IF NOT EXISTS vbd_cat_points (
    playerid INTEGER, pos TEXT, Pts REAL, ast REAL, st REAL, apg REAL, reb REAL, oreb REAL,
    dreb REAL, a_t REAL, turnovers REAL, ftpct REAL, fgpct REAL, pt3m REAL, pt3pct REAL,
    pt3att REAL, fgm REAL, fga REAL, ftm REAL, fta REAL, doubledouble REAL, tripledouble REAL,
    ppg REAL, rpg REAL, spg REAL, bk REAL, bpg REAL, pt2a REAL, pt2m REAL
);
CREATE TABLE IF NOT EXISTS vbd_player_points (
    playerid INTEGER, pos TEXT, points REAL, vbd REAL, rank INTEGER
);
CREATE TABLE IF NOT EXISTS vbd_baselines (playerid INTEGER, points REAL);
CREATE TABLE IF NOT EXISTS vbd_position_points (playerid INTEGER, pos TEXT, points REAL);
CREATE TABLE IF NOT EXISTS vbd_max_points (playerid INTEGER, vbd REAL);
CREATE TABLE IF NOT EXISTS vbd_player_rank (playerid INTEGER, playerrank INTEGER);
CREATE TABLE IF NOT EXISTS dollars_top_points (playerid INTEGER, points REAL);
CREATE TABLE IF NOT EXISTS PlayerBoxCategory (
    template_id INTEGER, teamid INTEGER, playerid INTEGER, categoryid INTEGER, points REAL
);
CREATE TABLE IF NOT EXISTS TeamBoxCategory (
    template_id INTEGER, teamid INTEGER, categoryid INTEGER, points REAL, rank REAL
);
CREATE TABLE IF NOT EXISTS temp_cats (
    template_id INTEGER, teamid INTEGER, categoryid INTEGER, points REAL, rank REAL
);
CREATE TABLE IF NOT EXISTS TotalRank (
    rankid INTEGER PRIMARY KEY AUTOINCREMENT, teamid INTEGER, template_id INTEGER
);
CREATE TABLE IF NOT EXISTS TBCWins (
    template_id INTEGER, teamid INTEGER, categoryid INTEGER, rankpoints REAL
);
CREATE TABLE IF NOT EXISTS TBCTies (
    template_id INTEGER, teamid INTEGER, categoryid INTEGER, rankpoints REAL
);
)sql";

// Denominators are season totals of a 12-team league; turnovers are negative so that more
// turnovers lower a player's value.
constexpr const char* kCategoryRows = R"sql(
INSERT OR IGNORE INTO category (categoryid, symbol, sgp_denominator) VALUES
    (0, 'TOTAL', 0), (1, 'PTS', 290), (2, 'AST', 130), (3, 'STL', 25), (4, 'APG', 0.14),
    (5, 'REB', 165), (6, 'OREB', 66), (7, 'DREB', 113), (8, 'A/T', 0.052), (9, 'TO', -51),
    (14, 'FTP', 0.005), (15, 'FGP', 0.002), (16, '3PT', 65), (17, '3PCT', 0.0031),
    (18, '3PTA', 167), (19, 'FGM', 103), (20, 'FGA', 240), (21, 'FTM', 86), (22, 'FTA', 107),
    (23, 'DD', 12), (24, 'TD', 2.5), (25, 'PPG', 0.32), (26, 'RPG', 0.18), (27, 'SPG', 0.026),
    (28, 'BLK', 34), (29, 'BPG', 0.036), (30, '2PTA', 194), (31, '2PTM', 105);
)sql";

// The categories a user gives up, per draft.
constexpr const char* kDraftPunts = R"sql(
CREATE TABLE IF NOT EXISTS DraftPunts (
    template_id INTEGER NOT NULL,
    categoryid INTEGER NOT NULL,
    UNIQUE (template_id, categoryid)
);
)sql";

// Average draft position and average auction value, per player, season and source (the site
// or file they came from), so that two sources can be kept side by side.
constexpr const char* kDraftPlayerAdp = R"sql(
CREATE TABLE IF NOT EXISTS DraftPlayerAdp (
    playerid INTEGER NOT NULL,
    yearofprojection INTEGER NOT NULL,
    source TEXT NOT NULL COLLATE NOCASE,
    adp REAL,
    aav REAL,
    importedat TEXT,
    PRIMARY KEY (playerid, yearofprojection, source)
);
CREATE INDEX IF NOT EXISTS DraftPlayerAdp_year ON DraftPlayerAdp (yearofprojection);
)sql";

// Following an online draft room, per draft: the room and what it last said about the clock,
// which of our teams each of the room's rosters is, the players the user named for room
// players the names did not decide, and the room's picks recorded here (so that none is
// recorded twice and a pick undone in the room can be found).
constexpr const char* kDraftFollow = R"sql(
CREATE TABLE IF NOT EXISTS DraftFollow (
    template_id INTEGER PRIMARY KEY,
    room TEXT NOT NULL,
    room_draft_id TEXT NOT NULL,
    following INTEGER NOT NULL DEFAULT 0,
    room_status TEXT,
    room_teams INTEGER,
    room_picks INTEGER,
    clock_pick_no INTEGER,
    clock_teamid INTEGER,
    clock_turns_mine INTEGER,
    changedat TEXT
);
CREATE TABLE IF NOT EXISTS DraftFollowRosters (
    template_id INTEGER NOT NULL,
    roster_id INTEGER NOT NULL,
    teamid INTEGER NOT NULL,
    PRIMARY KEY (template_id, roster_id)
);
CREATE TABLE IF NOT EXISTS DraftFollowPlayers (
    template_id INTEGER NOT NULL,
    room_player_id TEXT NOT NULL,
    playerid INTEGER NOT NULL,
    PRIMARY KEY (template_id, room_player_id)
);
CREATE TABLE IF NOT EXISTS DraftFollowPicks (
    template_id INTEGER NOT NULL,
    pick_no INTEGER NOT NULL,
    room_player_id TEXT NOT NULL,
    playerid INTEGER NOT NULL,
    keeper INTEGER NOT NULL DEFAULT 0,
    reported INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (template_id, pick_no)
);
)sql";

// Head-to-head category leagues, per draft: how a week is won (0 each category, 1 most
// categories) and a player's games in a week; the variance ratios the draft sets itself (every
// other category keeps the catalogue's).
constexpr const char* kDraftHeadToHead = R"sql(
CREATE TABLE IF NOT EXISTS DraftHeadToHead (
    template_id INTEGER PRIMARY KEY,
    mode INTEGER NOT NULL DEFAULT 0,
    gamesperweek REAL NOT NULL DEFAULT 3.0
);
CREATE TABLE IF NOT EXISTS DraftVarianceRatio (
    template_id INTEGER NOT NULL,
    categoryid INTEGER NOT NULL,
    ratio REAL NOT NULL,
    PRIMARY KEY (template_id, categoryid)
);
)sql";

// A draft's turn history: every pick, skip and keeper in the order it was made, and every undo
// (an entry of its own naming the entry it took back, which stays as the record of what was
// undone). Turns count picks and skips together, so pick numbers survive a skipped turn.
constexpr const char* kDraftHistory = R"sql(
CREATE TABLE IF NOT EXISTS DraftHistory (
    entryid INTEGER PRIMARY KEY AUTOINCREMENT,
    template_id INTEGER NOT NULL,
    kind TEXT NOT NULL CHECK (kind IN ('pick', 'skip', 'keeper', 'undo')),
    turn INTEGER NOT NULL DEFAULT 0,
    teamid INTEGER NOT NULL DEFAULT 0,
    playerid INTEGER NOT NULL DEFAULT 0,
    dollars REAL NOT NULL DEFAULT 0,
    pos TEXT,
    undoes INTEGER
);
CREATE INDEX IF NOT EXISTS DraftHistory_template ON DraftHistory (template_id);
CREATE INDEX IF NOT EXISTS DraftHistory_undoes ON DraftHistory (undoes);
)sql";

// The players the user follows in a draft, in the order he marked them.
constexpr const char* kDraftWatch = R"sql(
CREATE TABLE IF NOT EXISTS DraftWatch (
    template_id INTEGER NOT NULL,
    playerid INTEGER NOT NULL,
    PRIMARY KEY (template_id, playerid)
);
)sql";

// Per draft: how far the room strays from the average draft position ("ADP spread"; a draft
// without a row uses the default), and the practice drafts, each with the draft it was copied
// from, the seed its opponents draft by and where it started (the last pick it was copied with,
// the draft position on the clock and the snake's direction then), so that it can restart.
constexpr const char* kDraftPractice = R"sql(
CREATE TABLE IF NOT EXISTS DraftAdpSpread (
    template_id INTEGER PRIMARY KEY,
    adpspread REAL NOT NULL
);
CREATE TABLE IF NOT EXISTS DraftPractice (
    template_id INTEGER PRIMARY KEY,
    source_template_id INTEGER NOT NULL,
    seed INTEGER NOT NULL,
    fromnow INTEGER NOT NULL DEFAULT 0,
    startpick INTEGER NOT NULL DEFAULT 0,
    startposition INTEGER NOT NULL DEFAULT 0,
    startdirection TEXT NOT NULL DEFAULT 'U'
);
CREATE INDEX IF NOT EXISTS DraftPractice_source ON DraftPractice (source_template_id);
)sql";

// Draft night: the join codes (team 0 is the commissioner's), whether the host paused the room,
// and the lot on the block with every bid it took, so that a host restarted after a crash opens
// the same lot with its high bid. Times are wall-clock milliseconds, which outlive the process.
constexpr const char* kDraftNight = R"sql(
CREATE TABLE IF NOT EXISTS DraftNightCode (
    template_id INTEGER NOT NULL,
    teamid INTEGER NOT NULL,
    code TEXT NOT NULL,
    PRIMARY KEY (template_id, teamid)
);
CREATE TABLE IF NOT EXISTS DraftNight (
    template_id INTEGER PRIMARY KEY,
    paused INTEGER NOT NULL DEFAULT 0,
    clock_left_ms INTEGER,
    lot_playerid INTEGER,
    lot_nominator INTEGER,
    lot_amount INTEGER,
    lot_teamid INTEGER,
    lot_deadline_ms INTEGER
);
CREATE TABLE IF NOT EXISTS DraftNightBid (
    bidid INTEGER PRIMARY KEY AUTOINCREMENT,
    template_id INTEGER NOT NULL,
    playerid INTEGER NOT NULL,
    teamid INTEGER NOT NULL,
    amount INTEGER NOT NULL,
    at_ms INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS DraftNightBid_template ON DraftNightBid (template_id);
)sql";

// Each step brings the schema from the version before it to its own; steps are never edited
// once released and never drop or recreate a table that holds a user's data. A database made
// before versioning (user_version 0) already holds step 1's tables, which it keeps.
// A column is added only where it is missing: a file whose version was lost or set back still
// holds the columns its tables were created with, and SQLite refuses to add one twice.
struct AddedColumn {
    const char* table;
    const char* column;
    const char* definition;
};

struct SchemaStep {
    int version;
    std::initializer_list<const char*> scripts;
    std::initializer_list<AddedColumn> columns = {};
};

const std::initializer_list<SchemaStep> kSteps = {
    {1, {kCoreTables, kWorkTables, kCategoryRows}},
    {2, {kDraftPunts}},
    {3, {kDraftPlayerAdp}},
    {4, {kDraftFollow}},
    // ESPN leagues are read per season, so a followed room carries the season beside its id.
    {5, {}, {{"DraftFollow", "room_season", "INTEGER"}}},
    {6, {kDraftHeadToHead}},
    {7, {kDraftHistory}},
    {8, {kDraftWatch}},
    {9, {kDraftPractice}},
    // How a practice's opponents draft; practices made before drafted by ADP alone.
    {10, {}, {{"DraftPractice", "bots", "TEXT NOT NULL DEFAULT 'adp'"}}},
    // The draft night's join codes, the room's pause and the lot on the block with its bids.
    {11, {kDraftNight}},
};

std::optional<int> readUserVersion(Connection& connection) {
    return readScalar<int>(connection, "PRAGMA user_version");
}

bool hasColumn(Connection& connection, const std::string& table, const std::string& column) {
    const std::optional<std::vector<std::string>> columns =
        readRows<std::string>(connection, "SELECT name FROM pragma_table_info(?)", {table},
                              [](const StatementRow& row) { return row.text(0); });
    return columns && std::find(columns->begin(), columns->end(), column) != columns->end();
}

bool addColumn(Connection& connection, const AddedColumn& added) {
    if (hasColumn(connection, added.table, added.column)) {
        return true;
    }
    return executeScript(connection, std::string("ALTER TABLE ") + added.table + " ADD COLUMN " +
                                         added.column + " " + added.definition + ";");
}

bool runSteps(Connection& connection, int fromVersion) {
    for (const SchemaStep& step : kSteps) {
        if (step.version <= fromVersion) {
            continue;
        }
        for (const char* script : step.scripts) {
            if (!executeScript(connection, script)) {
                return false;
            }
        }
        for (const AddedColumn& added : step.columns) {
            if (!addColumn(connection, added)) {
                return false;
            }
        }
    }
    return executeSql(connection, "PRAGMA user_version = " + std::to_string(schemaVersion()));
}

}  // namespace

int schemaVersion() {
    return std::data(kSteps)[kSteps.size() - 1].version;
}

bool upgradeSchema(Connection& connection) {
    const std::optional<int> found = readUserVersion(connection);
    if (!found) {
        return false;
    }
    if (*found >= schemaVersion()) {
        return true;
    }
    TransactionGuard transaction(connection);
    if (!transaction.begun()) {
        return false;
    }
    // Another program may have upgraded the file while this one waited to write.
    const std::optional<int> current = readUserVersion(connection);
    if (!current || (*current < schemaVersion() && !runSteps(connection, *current))) {
        return false;
    }
    return transaction.commit();
}

}  // namespace quorvane
