// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "ProjectionFiles.h"
#include "projections/ProjectionEdits.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"

namespace quorvane::test {
namespace {

bool logHas(const TestProgram& program, const std::string& text) {
    const auto lines = program.logLines();
    return std::any_of(lines.begin(), lines.end(), [&text](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ProjectionImport, SampleFileLandsWholeWithExactFigures) {
    TestProgram program;
    const auto result = importProjectionFile(program.state, program.dialogs, sampleFile());
    ASSERT_TRUE(result) << program.dialogs.lastText();
    EXPECT_EQ(result->inserted, 1070);
    EXPECT_EQ(result->updated, 0);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where yearofprojection = 2019"),
              530);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where yearofprojection = 2018"),
              540);
    // Harden 2018-19: 2 x 843 field goals + 378 threes + 754 free throws = 2818 points.
    EXPECT_EQ(program.scalar("select 2 * fgm + pt3m + ftm from DraftPlayers "
                             "where playerid = 3879 and yearofprojection = 2019"),
              2818);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 3879 and "
                             "dob = '1989-08-26' and doubledouble = 34 and tripledouble = 7 and "
                             "stat_indicator = 'P' and dollars = 0 and draftorder = 0 and PG = 1"),
              1);
    EXPECT_EQ(program.scalar("select sum(tripledouble) from DraftPlayers "
                             "where yearofprojection = 2019"),
              127);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where firstname = 'D''Angelo' "
                             "and lastname = 'Russell' and team = 'BRK'"),
              2);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = 'Nenê' and "
                             "firstname = ''"),
              2);
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(program.dialogs.busyCalls, (std::vector<bool>{true, false}));
    ASSERT_FALSE(program.dialogs.progressCalls.empty());
    EXPECT_EQ(program.dialogs.progressCalls.back(), (std::pair<long long, long long>{1070, 1070}));
    EXPECT_EQ(getRevisionText(program.state, program.dialogs),
              "Projections updated through: 2019-10-15");
}

TEST(ProjectionImport, SecondImportOnlyUpdatesAndKeepsTheUsersColumns) {
    TestProgram program;
    ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, sampleFile()));
    program.exec(
        "update DraftPlayers set dollars = 41.5, draftorder = 3, flag = 1, "
        "notes = 'keep', games = 1 where playerid = 3879");
    program.exec(
        "insert into DraftPlayers (playerid, yearofprojection, lastname, games) "
        "values (777, 2019, 'Gone', 12)");
    const auto result = importProjectionFile(program.state, program.dialogs, sampleFile());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->inserted, 0);
    EXPECT_EQ(result->updated, 1070);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 1071);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 3879 and "
                             "dollars = 41.5 and draftorder = 3 and flag = 1 and notes = 'keep'"),
              2);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 3879 and "
                             "yearofprojection = 2019"),
              78);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 777"), 12);
}

TEST(ProjectionImport, EditSurvivesImportInTheProjectionSeasonOnly) {
    TestProgram program;
    ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, sampleFile()));
    auto harden = loadPlayerProjection(program.state, program.dialogs, 3879);
    ASSERT_TRUE(harden);
    std::vector<std::string> texts;
    for (const long long value : harden->stats) {
        texts.push_back(std::to_string(value));
    }
    texts[0] = "60";    // GP
    texts[12] = "400";  // TO
    ASSERT_TRUE(saveProjectionEdit(program.state, program.dialogs, *harden, texts));
    ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, sampleFile()));
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 3879 and "
                             "yearofprojection = 2019"),
              60);
    EXPECT_EQ(program.scalar("select turnovers from DraftPlayers where playerid = 3879 and "
                             "yearofprojection = 2019"),
              400);
    EXPECT_EQ(program.scalar("select fga from DraftPlayers where playerid = 3879 and "
                             "yearofprojection = 2019"),
              1909);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 3879 and "
                             "yearofprojection = 2018"),
              72);
}

TEST(ProjectionImport, BadLineLeavesTheDatabaseByteForByteUnchanged) {
    TestProgram program;
    const std::string first = writeFile(program.folder, "first.csv",
                                        joinLines({kHeader, projectionLine(1, 2019, "Ann", "One"),
                                                   projectionLine(2, 2019, "Bo", "Two")},
                                                  "\r\n"));
    ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, first));
    std::string bad = projectionLine(4, 2019, "Di", "Four");
    bad.replace(bad.find(",2000,"), 6, ",20x0,");
    const std::string second =
        writeFile(program.folder, "second.csv",
                  joinLines({kHeader, projectionLine(1, 2019, "Ann", "One", 10),
                             projectionLine(3, 2019, "Cy", "Three"), bad,
                             projectionLine(5, 2019, "Ed", "Five")},
                            "\n"));
    const std::string database = program.state.connectionString;
    const std::string before = fileBytes(database) + fileBytes(database + "-wal");

    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, second));

    EXPECT_EQ(fileBytes(database) + fileBytes(database + "-wal"), before);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 2);
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 1"), 70);
    ASSERT_EQ(program.dialogs.messages.size(), 1U);
    EXPECT_EQ(program.dialogs.messages[0].title, "Invalid File");
    EXPECT_EQ(program.dialogs.messages[0].text,
              "Line 4 of " + second +
                  " is invalid: field 9 (minutes) is not a whole number from 0 to 5000. "
                  "Nothing was imported.");
    EXPECT_TRUE(logHas(program, " 12004 error: file format was invalid - " + second + " line 4"));
    EXPECT_EQ(program.dialogs.busyCalls, (std::vector<bool>{true, false, true, false}));
}

// A file a spreadsheet saved in the Windows code page, and a UTF-8 file with one broken byte.
TEST(ProjectionImport, TheCodePageIsDecidedOnTheWholeFileAndALineThatDoesNotFitIsNamed) {
    TestProgram program;
    const std::string windows = writeFile(
        program.folder, "windows.csv",
        joinLines({kHeader, projectionLine(1, 2019, "Jos\xE9", "Calder\xF3n", 70, "G", "TOR"),
                   projectionLine(2, 2019, "Dennis",
                                  "Schr\xF6"
                                  "der",
                                  70, "G", "OKC")},
                  "\r\n"));
    ASSERT_TRUE(importProjectionFile(program.state, program.dialogs, windows))
        << program.dialogs.lastText();
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where firstname = 'José' and "
                             "lastname = 'Calderón'"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = 'Schröder'"), 1);

    const std::string broken = writeFile(
        program.folder, "broken.csv",
        joinLines({kHeader, projectionLine(3, 2019, "Boban", "Marjanovi\xC4\x87", 70, "C", "PHI"),
                   projectionLine(4, 2019, "Jos\xE9", "Other", 70, "G", "TOR")},
                  "\n"));
    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, broken));
    EXPECT_EQ(program.dialogs.lastText(),
              "Line 3 of " + broken +
                  " is invalid: field 3 (firstname) is not valid UTF-8. Nothing was imported.");
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid in (3, 4)"), 0);
}

TEST(ProjectionImport, EveryLineEndImportsEveryLine) {
    const std::vector<std::string> lines = {kHeader, projectionLine(1, 2019, "Ann", "O'Neale"),
                                            projectionLine(2, 2019, "Bo", "Two")};
    for (const std::string end : {"\r\n", "\n"}) {
        for (const bool finalBreak : {true, false}) {
            std::string text = joinLines(lines, end);
            if (!finalBreak) {
                text.resize(text.size() - end.size());
            }
            TestProgram program;
            const auto fromFile = importProjectionFile(program.state, program.dialogs,
                                                       writeFile(program.folder, "p.csv", text));
            ASSERT_TRUE(fromFile);
            EXPECT_EQ(fromFile->inserted, 2);
            program.exec("delete from DraftPlayers");
            const auto fromText = importProjectionText(program.state, program.dialogs, text);
            ASSERT_TRUE(fromText);
            EXPECT_EQ(fromText->inserted, 2);
            EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = "
                                     "'O''Neale'"),
                      1);
        }
    }
}

TEST(ProjectionImport, ByteOrderMarkAndBlankLinesFromSpreadsheetsImport) {
    TestProgram program;
    // A spreadsheet's "CSV UTF-8" starts with a byte-order mark; users leave blank lines.
    const std::string text = "\xEF\xBB\xBF" + kHeader + "\r\n" +
                             projectionLine(1, 2019, "Ann", "Able") + "\r\n\r\n" +
                             projectionLine(2, 2019, "Bo", "Baker") + "\r\n \t\r\n" +
                             projectionLine(3, 2019, "Cy", "Cole") + "\r\n";

    const auto result = importProjectionFile(program.state, program.dialogs,
                                             writeFile(program.folder, "bom.csv", text));

    ASSERT_TRUE(result) << program.dialogs.lastText();
    EXPECT_EQ(result->inserted, 3);
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(program.dialogs.progressCalls.back(), (std::pair<long long, long long>{3, 3}));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 3);
}

TEST(ProjectionImport, SourceThatYieldsFewerLinesOnTheWritePassIsRolledBack) {
    TestProgram program;
    // A source that changes between the check and the write, as a file rewritten meanwhile.
    int walks = 0;
    const ProjectionSource shrinking{
        "p.csv", " 12003 error: file did not include projections - p.csv",
        [&walks](const LineVisitor& visit) {
            std::vector<std::string> lines = {kHeader, projectionLine(1, 2019, "A", "One"),
                                              projectionLine(2, 2019, "B", "Two"),
                                              projectionLine(3, 2019, "C", "Three")};
            if (++walks > 1) {
                lines.pop_back();
            }
            for (std::size_t at = 0; at < lines.size(); ++at) {
                if (!visit(static_cast<long long>(at) + 1, lines[at])) {
                    return false;
                }
            }
            return true;
        }};

    EXPECT_FALSE(importProjectionSource(program.state, program.dialogs, shrinking));

    EXPECT_EQ(walks, 2);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 0);
    EXPECT_EQ(program.dialogs.lastText(), std::string(kDatabaseUpdateMessage));
}

TEST(ProjectionImport, FileNameAndHeaderChecks) {
    TestProgram program;
    const std::string body = joinLines({kHeader, projectionLine(1, 2019, "A", "B")}, "\r\n");
    EXPECT_TRUE(importProjectionFile(program.state, program.dialogs,
                                     writeFile(program.folder, "UPPER.CSV", body)));
    EXPECT_TRUE(program.dialogs.messages.empty());

    const std::string text = writeFile(program.folder, "p.txt", body);
    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, text));
    EXPECT_EQ(program.dialogs.messages.back().title, "Invalid File Format");
    EXPECT_EQ(program.dialogs.messages.back().text, "The file format is invalid");
    EXPECT_TRUE(logHas(program, " 12002 error: file format was invalid - " + text));

    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, "a.c"));
    EXPECT_TRUE(logHas(program, " 12001 error: file format was invalid - a.c"));

    const std::string mixed =
        writeFile(program.folder, "mixed.csv", "PlayerId,x\n" + projectionLine(2, 2019, "C", "D"));
    EXPECT_TRUE(importProjectionFile(program.state, program.dialogs, mixed));

    const std::string noHeader =
        writeFile(program.folder, "noheader.csv", projectionLine(3, 2019, "E", "F"));
    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, noHeader));
    EXPECT_EQ(program.dialogs.messages.back().text, "The file is an invalid projection file");
    EXPECT_TRUE(logHas(program, " 12003 error: file did not include projections - " + noHeader));
    EXPECT_FALSE(importProjectionText(program.state, program.dialogs, "id,x\n"));
    EXPECT_TRUE(logHas(program, " 12003 error: file did not include projections "));

    const std::string missing = (program.folder.path() / "missing.csv").string();
    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, missing));
    EXPECT_EQ(program.dialogs.messages.back().text, "The file " + missing + " could not be opened");
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 2);
}

TEST(ProjectionImport, FailedWriteRollsBackTheWholeImport) {
    TestProgram program;
    program.exec(
        "create trigger refuse_five before insert on DraftPlayers "
        "when new.playerid = 5 begin select raise(abort, 'refused'); end");
    const std::string path = writeFile(
        program.folder, "p.csv",
        joinLines({kHeader, projectionLine(4, 2019, "A", "B"), projectionLine(5, 2019, "C", "D")},
                  "\n"));
    EXPECT_FALSE(importProjectionFile(program.state, program.dialogs, path));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 0);
    EXPECT_TRUE(logHas(program, " 91001 error: could not insert into draftplayers"));
    EXPECT_EQ(program.dialogs.lastText(), std::string(kDatabaseUpdateMessage));
}

}  // namespace
}  // namespace quorvane::test
