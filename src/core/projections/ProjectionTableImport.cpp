// SPDX-License-Identifier: MIT
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include <fmt/format.h>

#include "platform/Log.h"
#include "projections/Nicknames.h"
#include "projections/ProjectionTable.h"
#include "projections/StoredPlayers.h"
#include "projections/TablePlan.h"
#include "projections/TableRows.h"
#include "store/ProgramStore.h"
#include "store/ProjectionRepository.h"
#include "store/SourceAdpRows.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

namespace {

constexpr std::string_view kInvalidFileTitle = "Invalid File";
// A site's CSV of a million players is a fifth of this.
constexpr std::uintmax_t kMaxTableFileBytes = 512ULL * 1024 * 1024;
constexpr long long kProgressInterval = 64;

constexpr std::string_view kCheckTableTitle = "Check the Table";

bool hasField(const TableLayout& layout, TableField field) {
    return std::any_of(layout.columns.begin(), layout.columns.end(),
                       [field](const TableColumn& column) { return column.field == field; });
}

std::string todayText(const Connection& connection) {
    return connection.log().timestamp().substr(0, 10);
}

WriteFailure refuse(const Log& log, std::string text, std::string logLine) {
    return loggedRefusal(log, kInvalidFileTitle, std::move(text), std::move(logLine));
}

// Refuses a table the import cannot read; nullopt when it may go on.
std::optional<WriteFailure> checkLayout(const Log& log, const DelimitedTable& table,
                                        const TableLayout& layout, const std::string& label) {
    if (table.tooWide()) {
        return refuse(
            log,
            fmt::format("The table {} has {} columns; a table may have at most {}. Nothing was "
                        "imported.",
                        label, table.widest, kMaxTableColumns),
            fmt::format(" 12010 error: table too wide - {}: {} columns", label, table.widest));
    }
    if (!layout.missingMappings.empty()) {
        return refuse(log,
                      fmt::format("The table {} has no column {}. Nothing was imported.", label,
                                  layout.missingMappings.front()),
                      fmt::format(" 12008 error: mapped column missing - {}: {}", label,
                                  layout.missingMappings.front()));
    }
    if (!hasField(layout, TableField::Name) && !hasField(layout, TableField::LastName)) {
        return refuse(log,
                      fmt::format("The table {} has no name column (Name or Player, or First and "
                                  "Last). Nothing was imported.",
                                  label),
                      " 12006 error: table has no name column - " + label);
    }
    if (layout.perGame && !hasField(layout, TableField::Games)) {
        return refuse(
            log,
            fmt::format("The table {} gives figures per game but has no games column (G, GP "
                        "or Games). Nothing was imported.",
                        label),
            " 12007 error: table has no games column - " + label);
    }
    return std::nullopt;
}

std::optional<TableCellFault> missingGames(const TableRows& rows, const TableLayout& layout) {
    if (!layout.perGame) {
        return std::nullopt;
    }
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        if (layout.columns[c].field != TableField::Games) {
            continue;
        }
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const TableRow row = rows[r];
            if (!row.games) {
                return TableCellFault{row.lineNumber, c + 1, layout.columns[c].heading, "",
                                      "a number of games"};  // the problem of an empty cell
            }
        }
    }
    return std::nullopt;
}

class TableWriter {
  public:
    TableWriter(Connection& connection, int projectionYear, const Progress& progress,
                const StoredPlayers& stored)
        : m_projectionYear(projectionYear),
          m_progress(progress),
          m_stored(stored),
          m_connection(connection),
          m_writer(connection) {}

    bool write(ImportPlan& plan, const std::string& source) {
        widenCacheForImport(m_connection);
        // The caller holds the writer's transaction: it read the stored players inside it.
        if (!m_writer.prepare() || !prepareAdded() || !firstNewId()) {
            return false;
        }
        m_addedOn = m_connection.log().timestamp();
        // Only the players the source ranks or prices: most of a large table gives neither.
        std::vector<PlayerAdp> figures;
        const auto total = static_cast<long long>(plan.rows.size());
        long long done = 0;
        for (const PlannedRow& planned : plan.rows) {
            const TableRow given = plan.source(planned);
            ProjectionRow row = plannedProjection(plan, planned, given, m_stored);
            if (planned.created && !createPlayer(row, given, plan.report.season)) {
                return false;
            }
            if (m_writer.importLine(row, presence(row)) == ProjectionWriter::Outcome::Failed) {
                return false;
            }
            if (given.adp || given.aav) {
                figures.push_back({row.playerid, given.adp.optional(), given.aav.optional()});
            }
            ++done;
            if (done % kProgressInterval == 0 || done == total) {
                m_progress(row.firstname + " " + row.lastname, done, total);
            }
        }
        return replaceSourceAdp(m_connection, plan.report.season, source, figures) &&
               reapplyProjectionEdits(m_connection, m_projectionYear);
    }

  private:
    // The stored rows were read in this transaction, so they tell which rows exist; a new
    // player's numbers are past every stored one.
    ProjectionWriter::Presence presence(const ProjectionRow& row) const {
        return m_stored.row(row.playerid, row.yearofprojection) != nullptr
                   ? ProjectionWriter::Presence::Stored
                   : ProjectionWriter::Presence::Absent;
    }

    bool prepareAdded() { return m_added.prepare(m_connection); }

    // New players continue the custom players' numbers, which start at 20000.
    bool firstNewId() {
        const std::optional<int> next = nextNewPlayerId(m_connection, kFirstNewPlayerId);
        if (!next) {
            return false;
        }
        m_nextId = *next;
        return true;
    }

    // Registers the player as a custom one and gives him the empty rows a custom player has
    // for the projection season and the one before it.
    bool createPlayer(ProjectionRow& row, const TableRow& source, int season) {
        row.playerid = m_nextId++;
        // The first position as the table wrote it.
        const std::string firstPosition = source.position ? source.position->first : std::string();
        if (!m_added.add(row.playerid, row.firstname, row.lastname,
                         firstPosition.empty() ? row.pos : firstPosition, row.team, m_addedOn)) {
            return false;
        }
        for (const int year : {m_projectionYear, m_projectionYear - 1}) {
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

    int m_projectionYear;
    const Progress& m_progress;
    const StoredPlayers& m_stored;
    Connection& m_connection;
    ProjectionWriter m_writer;
    AddedPlayerWriter m_added;
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

namespace {

Outcome<TableFile> readTableOf(const Log& log, std::string_view bytes, const std::string& label,
                               const std::string& sheet, const std::string& path) {
    auto read = readTableBytes(bytes, path, sheet);
    if (const auto* problem = std::get_if<FileProblem>(&read)) {
        return refuse(log,
                      fmt::format("The file {} {}. Nothing was imported.", label, problem->what),
                      fmt::format(" 12009 error: not a table - {}: {}", label, problem->what));
    }
    return std::get<TableFile>(std::move(read));
}

// A table's rows as the import reads them, before anything stored is looked at.
struct ImportRows {
    TableLayout layout;
    TableRows rows;
    long long blankLines = 0;
};

// The table's layout checked and its rows read, or the refusal (logged).
Outcome<ImportRows> readImportRows(const Log& log, const DelimitedTable& table,
                                   const std::string& label, const TableImportOptions& options) {
    const TableLayout layout = mapTableColumns(table, options);
    if (auto refusal = checkLayout(log, table, layout, label)) {
        return std::move(*refusal);
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
                              fault->heading, fault->problem)
                : fmt::format("column {} ({}) holds \"{}\", which {}", fault->column,
                              fault->heading, fault->text, fault->problem);
        return refuse(log,
                      fmt::format("Line {} of {} is invalid: {}. Nothing was imported.",
                                  fault->lineNumber, label, what),
                      fmt::format(" 12004 error: file format was invalid - {} line {}: {}", label,
                                  fault->lineNumber, what));
    }
    return ImportRows{layout, std::get<TableRows>(std::move(read)), table.blankLines};
}

Outcome<TableImportReport> importReadRows(Connection& connection, int projectionYear,
                                          const ImportRows& read, const std::string& label,
                                          const TableImportOptions& options,
                                          const Progress& progress) {
    const Log& log = connection.log();
    const TableLayout& layout = read.layout;
    const auto nicknames = loadNicknames();
    if (!nicknames) {
        log.writeEntry(" 12011 warning: nickname table not found - names are matched without it");
    }
    // What is stored is read inside the writer's transaction, so a change another program
    // committed meanwhile is built on rather than overwritten with what was read before it.
    std::optional<TransactionGuard> transaction;
    if (!options.dryRun) {
        transaction.emplace(connection);
    }
    StoredPlayers stored;
    if (!stored.load(connection)) {
        return statementFailed(connection, kDatabaseAccessMessage,
                               " 60005 error: could not access database");
    }
    const int season = options.season.value_or(projectionYear);
    auto planned = planImport(read.rows, stored, nicknames.value_or(NicknameTable()), layout,
                              season, todayText(connection), options.choices);
    if (const auto* problem = std::get_if<ChoiceProblem>(&planned)) {
        return loggedRefusal(
            log, kCheckTableTitle, problem->text + " Nothing was imported.",
            " 12012 error: import choice refused - " + label + ": " + problem->text);
    }
    ImportPlan& plan = std::get<ImportPlan>(planned);
    plan.report.source = sourceName(options, label);
    if (read.blankLines > 0) {
        plan.report.skipped += read.blankLines;
        plan.report.skippedCounts.insert(
            plan.report.skippedCounts.begin(),
            fmt::format("{} blank line{}", read.blankLines, read.blankLines == 1 ? "" : "s"));
    }
    if (options.dryRun) {
        return std::move(plan.report);
    }
    if (plan.report.manyNew && !options.allowNew) {
        const std::string text = fmt::format(
            "{} of the {} players of {} match nobody: the name column or the season may be "
            "wrong. Nothing was imported; check the table, or allow the new players.",
            plan.report.created, plan.report.playerRows, label);
        return loggedRefusal(log, kCheckTableTitle, text,
                             fmt::format(" 12013 error: most rows match nobody - {}: {} of {}",
                                         label, plan.report.created, plan.report.playerRows));
    }
    if (!TableWriter(connection, projectionYear, progress, stored)
             .write(plan, plan.report.source) ||
        !transaction->commit()) {
        // Told as it is, whatever the cause: the writer's own log line names the table.
        const std::string logLine = " 91003 error: could not import projection table - " + label;
        log.writeEntry(logLine);
        return WriteFailure{WriteFailure::Kind::Failed,
                            Message{std::string(kDatabaseErrorTitle),
                                    std::string(kDatabaseUpdateMessage), MessageIcon::Exclamation},
                            logLine,
                            {}};
    }
    return std::move(plan.report);
}

}  // namespace

Outcome<TableFile> readProjectionTableFile(const Log& log, const std::string& path,
                                           const std::string& sheet) {
    std::error_code error;
    std::ifstream file;
    std::uintmax_t size = 0;
    if (std::filesystem::is_regular_file(path, error)) {
        size = std::filesystem::file_size(path, error);
        file.open(path, std::ios::binary);
    }
    if (!file.is_open() || error) {
        return refuse(log, "The file " + path + " could not be opened",
                      " 12005 error: could not open file - " + path);
    }
    if (size > kMaxTableFileBytes) {
        const std::string what =
            fmt::format("is larger than a projection table can be ({} MiB at most)",
                        kMaxTableFileBytes / (1024 * 1024));
        return refuse(log, fmt::format("The file {} {}. Nothing was imported.", path, what),
                      fmt::format(" 12009 error: not a table - {}: {}", path, what));
    }
    // Read at its known size: a stream that grows as it reads would hold the file twice.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) {
        return refuse(log, "The file " + path + " could not be read",
                      " 12005 error: could not read file - " + path);
    }
    return readTableOf(log, bytes, path, sheet, path);
}

Outcome<TableFile> readProjectionTableBytes(const Log& log, std::string_view bytes,
                                            const std::string& label, const std::string& sheet) {
    return readTableOf(log, bytes, label, sheet, std::string());
}

Outcome<TableImportReport> importProjectionTable(ProgramStore& store, int projectionYear,
                                                 const std::string& path,
                                                 const TableImportOptions& options,
                                                 const Progress& progress) {
    const Log& log = store.dbConnection.log();
    std::optional<Outcome<TableFile>> file = readProjectionTableFile(log, path, options.sheet);
    if (!file->ok()) {
        return file->failure();
    }
    TableImportOptions named = options;
    named.source = sourceName(options, path);
    auto rows = readImportRows(log, file->value().table, path, named);
    const std::string sheet = file->value().sheet;
    // The rows read are all the import needs from here on: a large sheet's cells are let go
    // before the plan is made beside the rows.
    file.reset();
    if (!rows) {
        return rows.failure();
    }
    auto report = importReadRows(store.dbConnection, projectionYear, *rows, path, named, progress);
    if (report) {
        report.value().sheet = sheet;
    }
    return report;
}

Outcome<TableImportReport> importProjectionTable(ProgramStore& store, int projectionYear,
                                                 const DelimitedTable& table,
                                                 const std::string& label,
                                                 const TableImportOptions& options,
                                                 const Progress& progress) {
    const auto rows = readImportRows(store.dbConnection.log(), table, label, options);
    if (!rows) {
        return rows.failure();
    }
    return importReadRows(store.dbConnection, projectionYear, *rows, label, options, progress);
}

}  // namespace quorvane
