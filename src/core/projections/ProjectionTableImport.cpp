// SPDX-License-Identifier: MIT
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unordered_map>

#include <fmt/format.h>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "projections/PlayerAdp.h"
#include "projections/ProjectionTable.h"
#include "projections/ProjectionWriter.h"
#include "projections/StoredPlayers.h"
#include "projections/TableRows.h"
#include "projections/TableTotals.h"
#include "store/NumberText.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

constexpr std::string_view kInvalidFileTitle = "Invalid File";
constexpr long long kProgressInterval = 64;

// One player-season the import will write.
struct PlannedRow {
    const TableRow* source = nullptr;
    bool created = false;
    std::string draftAddedPos;  // a new player's first position as the table wrote it
    ProjectionRow row;
};

struct ImportPlan {
    TableImportReport report;
    std::vector<PlannedRow> rows;
};

std::string describeRow(const TableRow& row) {
    return fmt::format("{} (line {})", row.name, row.lineNumber);
}

bool isMultiTeamMark(const std::string& team) {
    return team == "TOT" || team == "2TM" || team == "3TM" || team == "4TM";
}

bool hasField(const TableLayout& layout, TableField field) {
    return std::any_of(layout.columns.begin(), layout.columns.end(),
                       [field](const TableColumn& column) { return column.field == field; });
}

// A new player's names: the table's first and last name columns, else the name split where
// the program's own file splits it ("Last, First" at the comma, otherwise at the first blank).
void splitName(const TableRow& source, ProjectionRow& row) {
    if (!source.lastname.empty()) {
        row.firstname = source.firstname;
        row.lastname = source.lastname;
        return;
    }
    const std::size_t comma = source.name.find(',');
    if (comma != std::string::npos) {
        row.firstname = trim(source.name.substr(comma + 1));
        row.lastname = trim(source.name.substr(0, comma));
        return;
    }
    const std::size_t blank = source.name.find(' ');
    if (blank == std::string::npos) {
        row.lastname = source.name;
        return;
    }
    row.firstname = source.name.substr(0, blank);
    row.lastname = trim(source.name.substr(blank + 1));
}

std::string todayText(const Connection& connection) {
    return connection.log().timestamp().substr(0, 10);
}

// The season row as it will be written: what the player has stored, with everything the
// table gives laid over it.
ProjectionRow buildRow(const PlannedRow& plan, const StoredPlayers& stored, int playerid,
                       int season, bool perGame, const std::string& revisiondate,
                       TableImportReport& report) {
    const TableRow& source = *plan.source;
    ProjectionRow row;
    if (const ProjectionRow* own = stored.row(playerid, season)) {
        row = *own;
    } else if (const ProjectionRow* other = stored.anyRow(playerid, season)) {
        row.firstname = other->firstname;
        row.lastname = other->lastname;
        row.pos = other->pos;
        row.team = other->team;
        row.dob = other->dob;
        row.flags = other->flags;
    } else {
        splitName(source, row);
    }
    row.playerid = playerid;
    row.yearofprojection = season;
    row.revisiondate = revisiondate;
    if (!source.team.empty()) {
        row.team = source.team;
    }
    if (source.position) {
        row.pos = source.position->pos;
        row.flags = source.position->flags;
    }
    const bool known = stored.anyRow(playerid, season) != nullptr;
    const SeasonTotals totals = seasonTotals(
        source, perGame,
        stored.offensiveReboundShare(known ? std::optional<int>(playerid) : std::nullopt, season));
    if (const auto disagreement = layTotalsOver(totals, perGame, row)) {
        report.notes.push_back(describeRow(source) + ": " + *disagreement);
    }
    return row;
}

ImportPlan planImport(const TableRows& rows, const StoredPlayers& stored, const TableLayout& layout,
                      int season, const std::string& revisiondate) {
    ImportPlan plan;
    plan.report.layout = layout;
    plan.report.season = season;
    plan.report.skipped = rows.skipped;
    const PlayerNameMatcher matcher = stored.matcher(season);
    std::unordered_map<int, std::size_t> planOfPlayer;
    std::unordered_map<std::string, std::size_t> planOfNewName;
    planOfPlayer.reserve(rows.rows.size());
    planOfNewName.reserve(rows.rows.size());
    plan.rows.reserve(rows.rows.size());
    for (const TableRow& source : rows.rows) {
        const std::string nameKey = normalisePlayerName(source.name);
        const PlayerMatch match = matcher.matchKey(nameKey, source.team);
        if (match.outcome == PlayerMatch::Outcome::Ambiguous) {
            ++plan.report.ambiguous;
            plan.report.ambiguousNames.push_back(describeRow(source));
            continue;
        }
        const bool created = match.outcome == PlayerMatch::Outcome::NotFound;
        std::optional<std::size_t> first;
        if (const auto earlier = planOfNewName.find(nameKey);
            created && earlier != planOfNewName.end()) {
            first = earlier->second;
        } else if (const auto player = planOfPlayer.find(match.playerid);
                   !created && player != planOfPlayer.end()) {
            first = player->second;
        }
        if (first) {
            // A season total row comes first in tables that list a traded player's stints after
            // it; his team is that of his last stint.
            PlannedRow& kept = plan.rows[*first];
            if (isMultiTeamMark(kept.row.team) && !source.team.empty()) {
                kept.row.team = source.team;
            }
            ++plan.report.skipped;
            plan.report.notes.push_back(describeRow(source) + ": the player's row above was used");
            continue;
        }
        PlannedRow planned;
        planned.source = &source;
        planned.created = created;
        if (created) {
            planned.draftAddedPos = source.position ? source.position->first : std::string();
            planOfNewName.emplace(nameKey, plan.rows.size());
            plan.report.createdNames.push_back(describeRow(source));
            ++plan.report.created;
        } else {
            planOfPlayer.emplace(match.playerid, plan.rows.size());
            ++plan.report.matched;
        }
        planned.row = buildRow(planned, stored, created ? 0 : match.playerid, season,
                               layout.perGame, revisiondate, plan.report);
        plan.rows.push_back(std::move(planned));
    }
    return plan;
}

void refuse(UserDialogs& dialogs, const Log& log, const std::string& text,
            const std::string& logLine) {
    dialogs.showMessage(kInvalidFileTitle, text, MessageIcon::Exclamation);
    log.writeEntry(logLine);
}

// Refuses a table the import cannot read; true when it may go on.
bool checkLayout(UserDialogs& dialogs, const Log& log, const TableLayout& layout,
                 const std::string& label) {
    if (!layout.missingMappings.empty()) {
        refuse(dialogs, log,
               fmt::format("The table {} has no column {}. Nothing was imported.", label,
                           layout.missingMappings.front()),
               fmt::format(" 12008 error: mapped column missing - {}: {}", label,
                           layout.missingMappings.front()));
        return false;
    }
    if (!hasField(layout, TableField::Name) && !hasField(layout, TableField::LastName)) {
        refuse(dialogs, log,
               fmt::format("The table {} has no name column (Name or Player, or First and "
                           "Last). Nothing was imported.",
                           label),
               " 12006 error: table has no name column - " + label);
        return false;
    }
    if (layout.perGame && !hasField(layout, TableField::Games)) {
        refuse(dialogs, log,
               fmt::format("The table {} gives figures per game but has no games column (G, GP "
                           "or Games). Nothing was imported.",
                           label),
               " 12007 error: table has no games column - " + label);
        return false;
    }
    return true;
}

std::optional<TableCellFault> missingGames(const TableRows& rows, const TableLayout& layout) {
    if (!layout.perGame) {
        return std::nullopt;
    }
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        if (layout.columns[c].field != TableField::Games) {
            continue;
        }
        for (const TableRow& row : rows.rows) {
            if (!row.games) {
                return TableCellFault{row.lineNumber, c + 1, layout.columns[c].heading, "",
                                      "a number of games"};
            }
        }
    }
    return std::nullopt;
}

class TableWriter {
  public:
    TableWriter(ProgramState& state, UserDialogs& dialogs, const StoredPlayers& stored)
        : m_state(state),
          m_dialogs(dialogs),
          m_stored(stored),
          m_connection(state.dbConnection),
          m_writer(state.dbConnection) {}

    bool write(ImportPlan& plan, const std::string& source) {
        // A large table touches far more pages than the default cache of 2 MiB holds; spilling
        // them to the journal in the middle of the transaction costs more than the import.
        executeSql(m_connection, "PRAGMA cache_size = -65536");
        // The caller holds the writer's transaction: it read the stored players inside it.
        if (!m_writer.prepare() || !prepareAdded() || !firstNewId()) {
            return false;
        }
        m_addedOn = m_connection.log().timestamp();
        std::vector<PlayerAdp> figures;
        figures.reserve(plan.rows.size());
        const auto total = static_cast<long long>(plan.rows.size());
        long long done = 0;
        for (PlannedRow& planned : plan.rows) {
            if (planned.created && !createPlayer(planned, plan.report.season)) {
                return false;
            }
            if (m_writer.importLine(planned.row, presence(planned.row)) ==
                ProjectionWriter::Outcome::Failed) {
                return false;
            }
            figures.push_back({planned.row.playerid, planned.source->adp, planned.source->aav});
            ++done;
            if (done % kProgressInterval == 0 || done == total) {
                m_dialogs.progress(planned.row.firstname + " " + planned.row.lastname, done, total);
            }
        }
        return replaceSourceAdp(m_connection, plan.report.season, source, figures) &&
               reapplyProjectionEdits(m_connection, m_state.projectionYear);
    }

  private:
    // The stored rows were read in this transaction, so they tell which rows exist; a new
    // player's numbers are past every stored one.
    ProjectionWriter::Presence presence(const ProjectionRow& row) const {
        return m_stored.row(row.playerid, row.yearofprojection) != nullptr
                   ? ProjectionWriter::Presence::Stored
                   : ProjectionWriter::Presence::Absent;
    }

    bool prepareAdded() {
        return m_added.prepare(m_connection,
                               "insert into draftAdded (playerid, firstname, lastname, pos, team, "
                               "dateAdded) values (?, ?, ?, ?, ?, ?)");
    }

    // New players continue the custom players' numbers, which start at 20000.
    bool firstNewId() {
        Recordset highest;
        if (!openRecordset(highest, m_connection,
                           "select max(playerid) as plid from (select playerid from draftAdded "
                           "union all select playerid from DraftPlayers where playerid >= ?)",
                           {SqlValue{std::int64_t{kFirstNewPlayerId}}})) {
            return false;
        }
        m_nextId = highest.isNull("plid") ? kFirstNewPlayerId
                                          : static_cast<int>(highest.getInt("plid")) + 1;
        return true;
    }

    // Registers the player as a custom one and gives him the empty rows a custom player has
    // for the projection season and the one before it.
    bool createPlayer(PlannedRow& planned, int season) {
        ProjectionRow& row = planned.row;
        row.playerid = m_nextId++;
        if (!m_added.run({SqlValue{std::int64_t{row.playerid}}, row.firstname, row.lastname,
                          planned.draftAddedPos.empty() ? row.pos : planned.draftAddedPos, row.team,
                          m_addedOn})) {
            return false;
        }
        for (const int year : {m_state.projectionYear, m_state.projectionYear - 1}) {
            if (year == season) {
                continue;
            }
            ProjectionRow empty = row;
            empty.yearofprojection = year;
            empty.stats = {};
            if (m_writer.importLine(empty, ProjectionWriter::Presence::Absent) ==
                ProjectionWriter::Outcome::Failed) {
                return false;
            }
        }
        return true;
    }

    static constexpr int kFirstNewPlayerId = 20000;

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    const StoredPlayers& m_stored;
    Connection& m_connection;
    ProjectionWriter m_writer;
    PreparedStatement m_added;
    std::string m_addedOn;  // one time for every player the import adds
    int m_nextId = kFirstNewPlayerId;
};

std::string sourceName(const TableImportOptions& options, const std::string& label) {
    if (!trim(options.source).empty()) {
        return trim(options.source);
    }
    return std::filesystem::path(label).stem().string();
}

}  // namespace

std::optional<DelimitedTable> readProjectionTableFile(ProgramState& state, UserDialogs& dialogs,
                                                      const std::string& path) {
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        refuse(dialogs, state.dbConnection.log(), "The file " + path + " could not be opened",
               " 12005 error: could not open file - " + path);
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    const std::string text = std::move(contents).str();
    if (file.bad()) {
        refuse(dialogs, state.dbConnection.log(), "The file " + path + " could not be read",
               " 12005 error: could not read file - " + path);
        return std::nullopt;
    }
    return readDelimitedTable(asUtf8(text));
}

std::optional<TableImportReport> importProjectionTable(ProgramState& state, UserDialogs& dialogs,
                                                       const std::string& path,
                                                       const TableImportOptions& options) {
    const auto table = readProjectionTableFile(state, dialogs, path);
    if (!table) {
        return std::nullopt;
    }
    TableImportOptions named = options;
    named.source = sourceName(options, path);
    return importProjectionTable(state, dialogs, *table, path, named);
}

std::optional<TableImportReport> importProjectionTable(ProgramState& state, UserDialogs& dialogs,
                                                       const DelimitedTable& table,
                                                       const std::string& label,
                                                       const TableImportOptions& options) {
    BusyPointer busy(dialogs);
    const Log& log = state.dbConnection.log();
    const TableLayout layout = mapTableColumns(table, options);
    if (!checkLayout(dialogs, log, layout, label)) {
        return std::nullopt;
    }
    auto read = readTableRows(table, layout);
    std::optional<TableCellFault> fault;
    if (auto* failed = std::get_if<TableCellFault>(&read)) {
        fault = *failed;
    } else {
        fault = missingGames(std::get<TableRows>(read), layout);
    }
    if (fault) {
        const std::string what =
            fault->text.empty()
                ? fmt::format("column {} ({}) is empty where {} is needed", fault->column,
                              fault->heading, fault->expected)
                : fmt::format("column {} ({}) holds \"{}\", which is not {}", fault->column,
                              fault->heading, fault->text, fault->expected);
        refuse(dialogs, log,
               fmt::format("Line {} of {} is invalid: {}. Nothing was imported.", fault->lineNumber,
                           label, what),
               fmt::format(" 12004 error: file format was invalid - {} line {}: {}", label,
                           fault->lineNumber, what));
        return std::nullopt;
    }
    // What is stored is read inside the writer's transaction, so a change another program
    // committed meanwhile is built on rather than overwritten with what was read before it.
    std::optional<TransactionGuard> transaction;
    if (!options.dryRun) {
        transaction.emplace(state.dbConnection);
    }
    StoredPlayers stored;
    if (!stored.load(state.dbConnection)) {
        reportDatabaseError(dialogs, state.dbConnection, " 60005 error: could not access database");
        return std::nullopt;
    }
    const int season = options.season.value_or(state.projectionYear);
    ImportPlan plan = planImport(std::get<TableRows>(read), stored, layout, season,
                                 todayText(state.dbConnection));
    plan.report.source = sourceName(options, label);
    if (options.dryRun) {
        return std::move(plan.report);
    }
    if (!TableWriter(state, dialogs, stored).write(plan, plan.report.source) ||
        !transaction->commit()) {
        dialogs.showMessage(kDatabaseErrorTitle, kDatabaseUpdateMessage, MessageIcon::Exclamation);
        log.writeEntry(" 91003 error: could not import projection table - " + label);
        return std::nullopt;
    }
    return std::move(plan.report);
}

}  // namespace quorvane
