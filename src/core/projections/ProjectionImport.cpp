// SPDX-License-Identifier: MIT
#include "projections/ProjectionImport.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include <fmt/format.h>

#include "platform/Log.h"
#include "projections/ProjectionLines.h"
#include "store/Connection.h"
#include "store/ProgramStore.h"
#include "store/ProjectionRepository.h"
#include "store/ProjectionRow.h"
#include "store/TransactionGuard.h"
#include "text/TextEncoding.h"
#include "text/Utf8Text.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/StatementFailures.h"

namespace quorvane {

namespace {

constexpr std::string_view kInvalidFileTitle = "Invalid File";
constexpr std::string_view kInvalidProjectionFile = "The file is an invalid projection file";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Progress is reported every so many lines: often enough to look alive, rarely enough that a
// large file is not slowed by repainting.
constexpr long long kProgressInterval = 64;

bool isBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

struct Scan {
    TextEncoding encoding = TextEncoding::Utf8;
    bool headerFound = false;
    bool readToEnd = false;
    long long dataLines = 0;
    long long faultLine = 0;
    ProjectionLineFault fault;
};

// A line as UTF-8: a file in the Windows code page is converted; in a UTF-8 file the line stays
// as it is, and a name that is not UTF-8 refuses it.
std::string_view lineText(std::string_view line, TextEncoding encoding, std::string& converted) {
    if (encoding == TextEncoding::Utf8) {
        return line;
    }
    converted = textAsUtf8(line, encoding);
    return converted;
}

// Checks every line before anything is written, so that a bad file leaves no trace, and decides
// the file's code page on all of them. A line that is not UTF-8 is read in the Windows code page
// meanwhile; should the file turn out to be UTF-8, the first such line is its fault.
Scan scanSource(const ProjectionSource& source) {
    Scan scan;
    EncodingEvidence evidence;
    std::string converted;
    long long firstNotUtf8 = 0;
    std::string firstNotUtf8Line;
    scan.readToEnd = source.walk([&](long long lineNumber, std::string_view line) {
        evidence.add(line);
        if (lineNumber == 1) {
            if (line.starts_with(kByteOrderMark)) {
                line.remove_prefix(kByteOrderMark.size());
            }
            scan.headerFound = isProjectionHeader(line);
            return scan.headerFound;
        }
        if (isBlank(line)) {
            return true;
        }
        const bool utf8 = isValidUtf8(line);
        if (!utf8 && firstNotUtf8 == 0) {
            firstNotUtf8 = lineNumber;
            firstNotUtf8Line = line;
        }
        ParsedProjectionLine parsed =
            parseProjectionLine(utf8 ? line : lineText(line, TextEncoding::Windows1252, converted));
        if (!parsed.row) {
            scan.faultLine = lineNumber;
            scan.fault = std::move(parsed.fault);
            return false;
        }
        ++scan.dataLines;
        return true;
    });
    scan.encoding = evidence.encoding();
    if (scan.encoding == TextEncoding::Utf8 && firstNotUtf8 > 0 &&
        (scan.faultLine == 0 || firstNotUtf8 < scan.faultLine)) {
        if (ParsedProjectionLine parsed = parseProjectionLine(firstNotUtf8Line); !parsed.row) {
            scan.faultLine = firstNotUtf8;
            scan.fault = std::move(parsed.fault);
        }
    }
    return scan;
}

WriteFailure writeFailure(const Connection& connection) {
    return statementFailed(connection, kDatabaseUpdateMessage);
}

Outcome<ImportResult> writeSource(Connection& connection, int projectionYear,
                                  const ProjectionSource& source, TextEncoding encoding,
                                  long long dataLines, const Progress& progress) {
    TransactionGuard transaction(connection);
    ProjectionWriter writer(connection);
    if (!transaction.begun() || !writer.prepare()) {
        return writeFailure(connection);
    }
    ImportResult result;
    long long done = 0;
    std::string converted;
    const bool written = source.walk([&](long long lineNumber, std::string_view line) {
        if (lineNumber == 1 || isBlank(line)) {
            return true;
        }
        const ParsedProjectionLine parsed =
            parseProjectionLine(lineText(line, encoding, converted));
        if (!parsed.row) {
            return false;  // the file changed since it was checked
        }
        switch (writer.importLine(*parsed.row)) {
            case ProjectionWriter::Outcome::Inserted:
                ++result.inserted;
                break;
            case ProjectionWriter::Outcome::Updated:
                ++result.updated;
                break;
            case ProjectionWriter::Outcome::Failed:
                return false;
        }
        ++done;
        if (done % kProgressInterval == 0 || done == dataLines) {
            progress(parsed.row->firstname + " " + parsed.row->lastname, done, dataLines);
        }
        return true;
    });
    if (!written || done != dataLines) {
        return writeFailure(connection);
    }
    if (!reapplyProjectionEdits(connection, projectionYear) || !transaction.commit()) {
        return writeFailure(connection);
    }
    return result;
}

}  // namespace

Outcome<ImportResult> importProjectionSource(ProgramStore& store, int projectionYear,
                                             const ProjectionSource& source,
                                             const Progress& progress) {
    const Log& log = store.dbConnection.log();
    const Scan scan = scanSource(source);
    if (!scan.headerFound) {
        return loggedRefusal(log, kInvalidFileTitle, std::string(kInvalidProjectionFile),
                             source.headerLogLine);
    }
    if (scan.faultLine > 0) {
        return loggedRefusal(log, kInvalidFileTitle,
                             fmt::format("Line {} of {} is invalid: {}. Nothing was imported.",
                                         scan.faultLine, source.label, scan.fault.description),
                             fmt::format(" 12004 error: file format was invalid - {} line {}: {}",
                                         source.label, scan.faultLine, scan.fault.description));
    }
    if (!scan.readToEnd) {
        return loggedRefusal(log, kInvalidFileTitle,
                             "The file " + source.label + " could not be read",
                             " 12005 error: could not read file - " + source.label);
    }
    return writeSource(store.dbConnection, projectionYear, source, scan.encoding, scan.dataLines,
                       progress);
}

namespace {

bool endsWithCsv(const std::string& path) {
    const std::string_view tail = std::string_view(path).substr(path.size() - 4);
    return std::equal(
        tail.begin(), tail.end(), std::string_view(".csv").begin(),
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

Outcome<ImportResult> importProjectionFile(ProgramStore& store, int projectionYear,
                                           const std::string& path, const Progress& progress) {
    const Log& log = store.dbConnection.log();
    if (path.size() < 4) {
        return loggedRefusal(log, "Invalid File Format", "The file format is invalid",
                             " 12001 error: file format was invalid - " + path);
    }
    if (!endsWithCsv(path)) {
        return loggedRefusal(log, "Invalid File Format", "The file format is invalid",
                             " 12002 error: file format was invalid - " + path);
    }
    std::error_code error;
    std::ifstream probe;
    if (std::filesystem::is_regular_file(path, error)) {
        probe.open(path, std::ios::binary);
    }
    if (!probe.is_open()) {
        // A file that cannot be read is said so: stopping silently looked like success.
        return loggedRefusal(log, kInvalidFileTitle, "The file " + path + " could not be opened",
                             " 12005 error: could not open file - " + path);
    }
    probe.close();
    const ProjectionSource source{path, " 12003 error: file did not include projections - " + path,
                                  [&path](const LineVisitor& visit) {
                                      std::ifstream file(path, std::ios::binary);
                                      return file.is_open() && forEachStreamLine(file, visit);
                                  }};
    return importProjectionSource(store, projectionYear, source, progress);
}

Outcome<ImportResult> importProjectionText(ProgramStore& store, int projectionYear,
                                           std::string_view text, const Progress& progress) {
    const ProjectionSource source{
        "the downloaded projections", " 12003 error: file did not include projections ",
        [text](const LineVisitor& visit) { return forEachTextLine(text, visit); }};
    return importProjectionSource(store, projectionYear, source, progress);
}

Outcome<std::string> readRevisionText(ProgramStore& store) {
    const auto dates = readRevisionDates(store.dbConnection);
    if (!dates) {
        return statementFailed(store.dbConnection, kDatabaseAccessMessage,
                               " 60005 error: could not access database");
    }
    // Newest by date, whatever form each was stored in ("9/1/2019" is older than
    // "10/15/2019"); only when no revision reads as a date does the text order decide.
    std::string newest;
    std::string newestText;
    for (const std::string& text : *dates) {
        newestText = text;
        if (const auto date = readDate(text); date && *date > newest) {
            newest = *date;
        }
    }
    return "Projections updated through: " + (newest.empty() ? newestText : newest);
}

}  // namespace quorvane
