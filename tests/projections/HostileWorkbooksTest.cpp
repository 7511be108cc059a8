// SPDX-License-Identifier: MIT
// Workbooks made to exhaust memory or overflow a count: a few kilobytes each, built here. Each is
// refused with a message naming the file, and nothing of it is stored.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ProjectionFiles.h"
#include "WorkbookFiles.h"
#include "projections/ProjectionImport.h"
#include "projections/ProjectionTable.h"
#include "projections/TableFile.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"

namespace quorvane::test {
namespace {

const std::string kSheetStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet "
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
const std::string kSheetEnd = "</sheetData></worksheet>";
const std::string kHeadingRow =
    "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Player</t></is></c><c r=\"B1\" "
    "t=\"inlineStr\"><is><t>GP</t></is></c></row>";

std::string sharedStrings(const std::vector<std::string>& texts) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sst xmlns=\"" + kOfficeNs +
                      "spreadsheetml/2006/main\">";
    for (const std::string& text : texts) {
        xml += "<si><t>" + text + "</t></si>";
    }
    return xml + "</sst>";
}

// A row of a player named by shared string 0, with his games.
std::string sharedNameRow(long long row) {
    const std::string r = std::to_string(row);
    return "<row r=\"" + r + "\"><c r=\"A" + r + "\" t=\"s\"><v>0</v></c><c r=\"B" + r +
           "\"><v>70</v></c></row>";
}

// A league of two players, and the workbook's refusal: the message and the log line name the
// file and the import stores nothing.
struct HostileWorkbook : TestProgram {
    HostileWorkbook() {
        EXPECT_TRUE(importProjectionText(
            state, dialogs,
            joinLines({kHeader, projectionLine(1, 2019, "Luka", "Dončić", 70, "G", "DAL"),
                       projectionLine(2, 2019, "Nikola", "Jokić", 70, "C", "DEN")},
                      "\n")));
        path = (folder.path() / "hostile.xlsx").string();
    }

    void expectRefused(const std::string& problem) {
        TableImportOptions options;
        options.allowNew = true;
        EXPECT_FALSE(importProjectionTable(state, dialogs, path, options));
        EXPECT_EQ(dialogs.lastText(),
                  "The file " + path + " " + problem + ". Nothing was imported.");
        const std::vector<std::string> lines = logLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.back().ends_with(" 12009 error: not a table - " + path + ": " + problem))
            << lines.back();
        EXPECT_EQ(scalar("select count(*) from DraftPlayers"), 2);
        EXPECT_EQ(scalar("select sum(games) from DraftPlayers"), 140);
    }

    std::string path;
};

// A ZIP archive of that many empty stored entries, written byte by byte: libzip's own writer
// takes seconds over ten thousand.
std::string emptyEntriesZip(int entries) {
    std::string local;
    std::string central;
    for (int i = 0; i < entries; ++i) {
        const std::string name = "xl/media/p" + std::to_string(i);
        const auto offset = static_cast<std::uint32_t>(local.size());
        put32(local, 0x04034B50);
        put16(local, 20);
        for (int field = 0; field < 4; ++field) {
            put16(local, 0);  // flags, method, time, date
        }
        for (int field = 0; field < 3; ++field) {
            put32(local, 0);  // CRC, sizes
        }
        put16(local, static_cast<std::uint16_t>(name.size()));
        put16(local, 0);
        local += name;
        put32(central, 0x02014B50);
        put16(central, 20);
        put16(central, 20);
        for (int field = 0; field < 4; ++field) {
            put16(central, 0);
        }
        for (int field = 0; field < 3; ++field) {
            put32(central, 0);
        }
        put16(central, static_cast<std::uint16_t>(name.size()));
        for (int field = 0; field < 4; ++field) {
            put16(central, 0);  // extra, comment, disk, internal attributes
        }
        put32(central, 0);
        put32(central, offset);
        central += name;
    }
    std::string end;
    put32(end, 0x06054B50);
    put16(end, 0);
    put16(end, 0);
    put16(end, static_cast<std::uint16_t>(entries));
    put16(end, static_cast<std::uint16_t>(entries));
    put32(end, static_cast<std::uint32_t>(central.size()));
    put32(end, static_cast<std::uint32_t>(local.size()));
    put16(end, 0);
    return local + central + end;
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(HostileWorkbooks, ALongSharedTextNamedByEveryCellIsKeptOnce) {
    TempFolder folder;
    const std::string path = (folder.path() / "shared.xlsx").string();
    std::string sheet = kSheetStart + kHeadingRow;
    for (long long row = 2; row <= 2001; ++row) {
        sheet += sharedNameRow(row);
    }
    ASSERT_TRUE(writeRawXlsx(path, sheet + kSheetEnd, sharedStrings({std::string(30000, 'x')})));

    const std::string bytes = fileBytes(path);
    const auto read = readTableBytes(bytes, path, "");
    ASSERT_TRUE(std::holds_alternative<TableFile>(read));
    const DelimitedTable& table = std::get<TableFile>(read).table;
    ASSERT_EQ(table.records.size(), 2001U);
    for (const TableRecord& record : table.records) {
        if (record.lineNumber > 1) {
            EXPECT_EQ(record.cells[0].data(), table.records[1].cells[0].data());
        }
    }
    // 2,000 cells of 30,000 characters are 60 MB; the table keeps the text once, beside the
    // headings and the games.
    EXPECT_EQ(table.texts->bytes(), 30000U + 8U + 2000U * 2U);
}

TEST(HostileWorkbooks, CellsThatExpandPastTheTextBudgetAreRefused) {
    HostileWorkbook program;
    // 9,000 cells of 30,000 characters come to 270,000,000 bytes, past 256 MiB (268,435,456).
    std::string sheet = kSheetStart + kHeadingRow;
    for (long long row = 2; row <= 9001; ++row) {
        sheet += sharedNameRow(row);
    }
    ASSERT_TRUE(
        writeRawXlsx(program.path, sheet + kSheetEnd, sharedStrings({std::string(30000, 'x')})));
    program.expectRefused(
        "holds more text than a projection table can (over 256 MiB once its shared texts are "
        "filled in)");
}

TEST(HostileWorkbooks, ATextLongerThanASpreadsheetCellIsRefused) {
    HostileWorkbook program;
    const std::string cell =
        "has a cell of more than 32767 characters, longer than a "
        "spreadsheet cell can be";
    // 32,767 two-byte characters are within a cell; one more is not.
    const std::string accented = "\xC3\xA9";
    std::string longest;
    for (int i = 0; i < 32767; ++i) {
        longest += accented;
    }
    ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + sharedNameRow(2) + kSheetEnd,
                             sharedStrings({longest})));
    const auto within = readTableBytes(fileBytes(program.path), program.path, "");
    ASSERT_TRUE(std::holds_alternative<TableFile>(within));
    EXPECT_EQ(std::get<TableFile>(within).table.records[1].cells[0].size(), 65534U);

    ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + sharedNameRow(2) + kSheetEnd,
                             sharedStrings({longest + "e"})));
    program.expectRefused(cell);

    const std::string inlineCell = "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>" +
                                   std::string(40000, 'y') + "</t></is></c></row>";
    ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + inlineCell + kSheetEnd));
    program.expectRefused(cell);
}

TEST(HostileWorkbooks, EndlessNestingAndEndlessTagsAreRefusedBeforeTheParserGrows) {
    HostileWorkbook program;
    std::string nested;
    for (int i = 0; i < 100000; ++i) {
        nested += "<a>";
    }
    ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + nested));
    program.expectRefused("is a damaged workbook: its XML nests deeper than 64 levels");

    // 5 MiB inside one tag, the attribute's value never closed.
    ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + "<row r=\"2\" x=\"" +
                                               std::string(5 * 1024 * 1024, 'z')));
    program.expectRefused("is a damaged workbook: it holds an XML tag longer than 4 MiB");
}

TEST(HostileWorkbooks, RowNumbersPastTheLastRowOfASheetAreRefusedWithoutOverflowing) {
    HostileWorkbook program;
    const std::string refused = "has a row number outside 1 to 1048576, the rows a sheet can have";
    const std::string plainRow = "<row><c t=\"inlineStr\"><is><t>Ann Lee</t></is></c></row>";
    for (const std::string& rows :
         {"<row r=\"9223372036854775807\"/>" + plainRow, "<row r=\"1048576\"/>" + plainRow,
          std::string("<row r=\"99999999999999999999999\"/>"), std::string("<row r=\"0\"/>"),
          std::string("<row r=\"-3\"/>"), std::string("<row r=\"12abc\"/>")}) {
        SCOPED_TRACE(rows);
        ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + rows + kSheetEnd));
        program.expectRefused(refused);
    }
}

TEST(HostileWorkbooks, CellsPastTheLastColumnOfASheetAreRefused) {
    HostileWorkbook program;
    for (const std::string reference : {"XFE2", "AAAA2", "ZZZZZZZZZZZZZZZZ2"}) {
        SCOPED_TRACE(reference);
        ASSERT_TRUE(writeRawXlsx(program.path, kSheetStart + kHeadingRow + "<row r=\"2\"><c r=\"" +
                                                   reference + "\"><v>1</v></c></row>" +
                                                   kSheetEnd));
        program.expectRefused("has a cell beyond column XFD, the last column a sheet can have");
    }
}

TEST(HostileWorkbooks, ArchivesThatUnpackToTooMuchOrHoldTooManyPartsAreRefused) {
    HostileWorkbook program;
    // The list of sheets is held whole: 17 MiB of it is no workbook's.
    std::string workbook = workbookXml({"Sheet1"});
    workbook.insert(workbook.find("<sheets>"), std::string(17 * 1024 * 1024, ' '));
    ASSERT_TRUE(writeZip(program.path, {{"xl/workbook.xml", workbook},
                                        {"xl/_rels/workbook.xml.rels", relationshipsXml(1)},
                                        {"xl/worksheets/sheet1.xml", kSheetStart + kSheetEnd}}));
    program.expectRefused("unpacks to more than 16 MiB, more than any workbook of projections");

    writeBytes(program.path, emptyEntriesZip(10003));
    program.expectRefused("is a ZIP file of 10003 parts, more than any workbook has");
}

TEST(HostileWorkbooks, AnXlsSheetDeclaringMoreCellsThanTheFormatHoldsIsRefused) {
    HostileWorkbook program;
    program.path = (program.folder.path() / "hostile.xls").string();
    const WorkbookRows rows = {{std::string("Player"), std::string("GP")},
                               {std::string("Ann Lee"), 70.0}};
    // A million rows of 16 columns would have the reader set 250 MB aside for a file of 4 KB.
    writeBytes(program.path, xlsBytes("Sheet1", rows, DeclaredSize{1000000, 16}));
    program.expectRefused(
        "declares a sheet of 1000000 rows and 16 columns, more than a workbook can hold");
    writeBytes(program.path, xlsBytes("Sheet1", rows, DeclaredSize{65537, 2}));
    program.expectRefused(
        "declares a sheet of 65537 rows and 2 columns, more than a workbook can hold");
}

TEST(HostileWorkbooks, AWorkbookOfSharedTeamsAndRowsWithoutNumbersStillImports) {
    HostileWorkbook program;
    // Teams shared by both rows, the second row and its cells without references, as some
    // generators write them.
    const std::string sheet =
        kSheetStart +
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c "
        "r=\"C1\" t=\"s\"><v>2</v></c></row>"
        "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>3</v></c><c r=\"B3\" t=\"s\"><v>5</v></c><c "
        "r=\"C3\"><v>71</v></c></row>"
        "<row><c t=\"s\"><v>4</v></c><c t=\"s\"><v>5</v></c><c><v>64</v></c></row>" +
        kSheetEnd;
    ASSERT_TRUE(writeRawXlsx(
        program.path, sheet,
        sharedStrings({"Player", "Team", "GP", "Luka Dončić", "Nikola Jokić", "DAL"})));
    const auto report =
        importProjectionTable(program.state, program.dialogs, program.path, TableImportOptions{});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 2);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 1"), 71);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 2"), 64);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where team = 'DAL'"), 2);
}

}  // namespace
}  // namespace quorvane::test
