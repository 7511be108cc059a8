// SPDX-License-Identifier: MIT
// Tables as real sites give them: quoted thousands, site ids after names, traded players' season
// rows, closing averages, headings in words, nicknames, lost letters, workbooks, pasted tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "ProjectionFiles.h"
#include "WorkbookFiles.h"
#include "projections/ProjectionImport.h"
#include "projections/ProjectionTable.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"

namespace quorvane::test {
namespace {

long long stat(TestProgram& program, int playerid, const std::string& column) {
    return static_cast<long long>(program.scalar(
        "select " + column + " from DraftPlayers where playerid = " + std::to_string(playerid) +
        " and yearofprojection = 2019"));
}

bool contains(const std::vector<std::string>& lines, const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) != lines.end();
}

// Players whose names sites write in many ways; two Marcus Morrises told apart by team.
struct LeagueDatabase : TestProgram {
    LeagueDatabase() {
        EXPECT_TRUE(importProjectionText(
            state, dialogs,
            joinLines({kHeader, projectionLine(1, 2019, "Luka", "Dončić", 70, "G", "DAL"),
                       projectionLine(2, 2019, "Mohamed", "Bamba", 70, "C", "ORL"),
                       projectionLine(3, 2019, "J.R.", "Smith", 70, "G", "CLE"),
                       projectionLine(4, 2019, "Wendell", "Carter Jr.", 70, "C", "CHI"),
                       projectionLine(5, 2019, "Nikola", "Jokić", 70, "C", "DEN"),
                       projectionLine(6, 2019, "Marcus", "Morris", 70, "F", "NYK"),
                       projectionLine(7, 2019, "Marcus", "Morris", 70, "F", "BOS"),
                       projectionLine(8, 2019, "Nene", "Hilario", 70, "C", "WAS"),
                       projectionLine(9, 2019, "Maurice", "Harkless", 70, "F", "POR")},
                      "\n")));
    }
    long long players() {
        return static_cast<long long>(scalar("select count(*) from DraftPlayers"));
    }
};

TEST(SiteTables, QuotedThousandsSiteIdsSeasonRowsAndClosingAveragesImportAsTrueTotals) {
    LeagueDatabase program;
    const std::string path = writeFile(
        program.folder, "stats.csv",
        "\"Rk\",\"Player\",\"Pos\",\"Tm\",\"G\",\"MP\",\"FG\",\"FGA\",\"3P\",\"FT\",\"FTA\","
        "\"ORB\","
        "\"DRB\",\"AST\",\"STL\",\"BLK\",\"TOV\",\"PTS\"\n"
        "\"1\",\"Luka "
        "Dončić\\doncilu01\",\"PG\",\"DAL\",\"72\",\"2,143\",\"504\",\"1,154\",\"154\","
        "\"350\",\"444\",\"74\",\"483\",\"314\",\"72\",\"18\",\"245\",\"1,512\"\n"
        "\"2\",\"Marcus Morris\\morrima03\",\"PF\",\"TOT\",\"72\",\"2,030\",\"450\",\"1,000\","
        "\"150\",\"130\",\"160\",\"60\",\"330\",\"100\",\"50\",\"20\",\"90\",\"1,180\"\n"
        "\"2\",\"Marcus Morris\\morrima03\",\"PF\",\"NYK\",\"43\",\"1,200\",\"260\",\"590\",\"90\","
        "\"80\",\"100\",\"35\",\"190\",\"60\",\"30\",\"10\",\"50\",\"690\"\n"
        "\"2\",\"Marcus Morris\\morrima03\",\"PF\",\"LAC\",\"29\",\"830\",\"190\",\"410\",\"60\","
        "\"50\",\"60\",\"25\",\"140\",\"40\",\"20\",\"10\",\"40\",\"490\"\n"
        "\"Rk\",\"Player\",\"Pos\",\"Tm\",\"G\",\"MP\",\"FG\",\"FGA\",\"3P\",\"FT\",\"FTA\","
        "\"ORB\","
        "\"DRB\",\"AST\",\"STL\",\"BLK\",\"TOV\",\"PTS\"\n"
        ",,,,,,,,,,,,,,,,,\n"
        "\"\",\"League Average\",\"\",\"\",\"\",\"1,500\",\"300\",\"650\",\"80\",\"120\",\"160\","
        "\"50\",\"160\",\"90\",\"30\",\"20\",\"60\",\"800\"\n");
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 2);
    EXPECT_EQ(report->created, 0);
    EXPECT_EQ(report->ambiguous, 0);
    // Two team rows, the repeated heading, the blank line and the League Average.
    EXPECT_EQ(report->skipped, 5);
    EXPECT_TRUE(contains(report->skippedCounts,
                         "2 team rows of 1 player traded during the season: the season row "
                         "(TOT, 2TM ...) was used"));
    EXPECT_EQ(report->notes, std::vector<std::string>{});
    EXPECT_EQ(stat(program, 1, "minutes"), 2143);
    EXPECT_EQ(stat(program, 1, "fga"), 1154);
    EXPECT_EQ(stat(program, 1, "dreb"), 483);
    // The season row's figures, on the NYK namesake, with the team of his last stint.
    EXPECT_EQ(stat(program, 6, "games"), 72);
    EXPECT_EQ(stat(program, 6, "minutes"), 2030);
    EXPECT_EQ(stat(program, 6, "fgm"), 450);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 6 and team = "
                             "'LAC'"),
              1);
    EXPECT_EQ(stat(program, 7, "games"), 70);  // the BOS namesake is untouched
    EXPECT_EQ(program.players(), 9);
}

TEST(SiteTables, NamesAsSitesWriteThemFindTheirPlayersAndHeadingsAreReadByTheirWords) {
    LeagueDatabase program;
    const std::string path =
        writeFile(program.folder, "names.csv",
                  "Player,GP,Off Reb,Def Reb,3-Pointers Made,Free Throws Attempted,Rank Change\n"
                  "\"Smith, J.R.\",60,40,200,90,150,+2\n"
                  "\"Carter Jr., Wendell\",61,41,201,91,151,-1\n"
                  "Mo Bamba (ORL - C),62,42,202,92,152,0\n"
                  "Moe Harkless POR SF,63,43,203,93,153,0\n"
                  "Nene,64,44,204,94,154,0\n"
                  "Nikola Joki?,65,45,205,95,155,0\n"
                  "C.J. Miles,66,46,206,96,156,0\n"
                  "Bo,67,47,207,97,157,0\n"
                  "Zed Unknow?,68,48,208,98,158,0\n");
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(tableFieldName(report->layout.columns[2].field), "oreb");
    EXPECT_EQ(tableFieldName(report->layout.columns[3].field), "dreb");
    EXPECT_EQ(tableFieldName(report->layout.columns[4].field), "pt3m");
    EXPECT_EQ(tableFieldName(report->layout.columns[5].field), "fta");
    EXPECT_FALSE(report->layout.columns[6].known);
    EXPECT_EQ(report->matched, 6);
    EXPECT_EQ(report->created, 1);
    EXPECT_EQ(report->createdNames, std::vector<std::string>{"C.J. Miles (line 8)"});
    EXPECT_EQ(report->skipped, 2);
    for (const int playerid : {3, 4, 2, 9, 8, 5}) {
        SCOPED_TRACE(playerid);
        EXPECT_NE(stat(program, playerid, "games"), 70);
    }
    EXPECT_EQ(stat(program, 3, "games"), 60);
    EXPECT_EQ(stat(program, 3, "oreb"), 40);
    EXPECT_EQ(stat(program, 3, "dreb"), 200);
    EXPECT_EQ(stat(program, 3, "pt3m"), 90);
    EXPECT_EQ(stat(program, 3, "fta"), 150);
    EXPECT_EQ(stat(program, 2, "games"), 62);
    EXPECT_EQ(stat(program, 8, "games"), 64);
    EXPECT_EQ(stat(program, 5, "games"), 65);
    // The annotation's team and positions are the row's.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 9 and team = "
                             "'POR' and SF = 1 and C = 0"),
              1);
    // Stored names keep their own spelling; nothing is stored with a '?'.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where lastname = 'Jokić'"), 1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where firstname like '%?%' or "
                             "lastname like '%?%'"),
              0);
    EXPECT_EQ(program.scalar("select count(*) from draftAdded"), 1);
    // Both names the import would not store are listed for review.
    std::vector<std::string> listed;
    for (const ReviewRow& row : report->review) {
        if (row.kind == ReviewRow::Kind::SingleName || row.kind == ReviewRow::Kind::LostLetters) {
            listed.push_back(row.label);
        }
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Bo (line 9)", "Zed Unknow? (line 10)"}));
}

TEST(SiteTables, DryRunListsTheClosestPlayersAndMostRowsNewNeedsTheUsersWord) {
    LeagueDatabase program;
    const std::string path = writeFile(program.folder, "typos.csv",
                                       "Name,Team,G\nLuka Doncick,DAL,50\nJ.R. Smyth,CLE,51\n"
                                       "Nikola Jokic,DEN,52\n");
    TableImportOptions options;
    options.dryRun = true;
    const auto dry = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(dry) << program.dialogs.lastText();
    EXPECT_TRUE(dry->manyNew);  // two of three rows
    ASSERT_EQ(dry->review.size(), 2U);
    EXPECT_EQ(dry->review[0].label, "Luka Doncick (line 2)");
    ASSERT_EQ(dry->review[0].candidates.size(), 1U);
    EXPECT_EQ(dry->review[0].candidates[0].playerid, 1);
    EXPECT_EQ(dry->review[0].candidates[0].name, "Luka Dončić");
    ASSERT_FALSE(dry->review[1].candidates.empty());
    EXPECT_EQ(dry->review[1].candidates[0].playerid, 3);
    // Each is close to a player of its own team: that player is what a window offers first.
    EXPECT_EQ(dry->review[0].proposal.kind, RowChoice::Kind::Player);
    EXPECT_EQ(dry->review[0].proposal.playerid, 1);
    EXPECT_EQ(dry->review[1].proposal.playerid, 3);

    options.dryRun = false;
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(program.dialogs.messages.back().title, "Check the Table");
    EXPECT_EQ(program.dialogs.lastText(),
              "2 of the 3 players of " + path +
                  " match nobody: the name column or the season may be wrong. Nothing was "
                  "imported; check the table, or allow the new players.");
    EXPECT_EQ(stat(program, 5, "games"), 70);

    // The user settles the rows: one is Dončić, the other is left out.
    options.choices = {{"Luka Doncick (line 2)", RowChoice::Kind::Player, 1},
                       {"J.R. Smyth", RowChoice::Kind::Skip, 0}};
    const auto report = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 2);
    EXPECT_EQ(report->created, 0);
    EXPECT_EQ(stat(program, 1, "games"), 50);
    EXPECT_EQ(stat(program, 3, "games"), 70);
    EXPECT_EQ(stat(program, 5, "games"), 52);

    options.choices = {{"Nobody Here", RowChoice::Kind::Skip, 0}};
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(program.dialogs.lastText(),
              "The table has no row Nobody Here. Nothing was imported.");
    options.choices = {{"Luka Doncick", RowChoice::Kind::Player, 777}};
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(program.dialogs.lastText(),
              "There is no player 777 to match Luka Doncick (line 2) with. Nothing was imported.");

    options.choices.clear();
    options.allowNew = true;
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(program.scalar("select count(*) from draftAdded"), 2);
}

TEST(SiteTables, FiguresBeyondASeasonAreRefusedNamingLineAndColumnAndNothingIsWritten) {
    LeagueDatabase program;
    const auto refusal = [&](const std::string& name, const std::string& text) {
        const std::string path = writeFile(program.folder, name, text);
        EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, {}));
        return program.dialogs.lastText().substr(program.dialogs.lastText().find(name));
    };
    EXPECT_EQ(refusal("games.csv", "Player,G,PTS\nLuka Doncic,1e9,900\n"),
              "games.csv is invalid: column 2 (G) holds \"1e9\", which is outside 0 to 100. "
              "Nothing was imported.");
    EXPECT_EQ(refusal("steals.csv", "Player,G,STL\nLuka Doncic,70,99999999999\n"),
              "steals.csv is invalid: column 3 (STL) holds \"99999999999\", which is outside 0 to "
              "10000. Nothing was imported.");
    EXPECT_EQ(refusal("fgm.csv", "Player,G,FGM\nLuka Doncic,70,1e18\n"),
              "fgm.csv is invalid: column 3 (FGM) holds \"1e18\", which is outside 0 to 10000. "
              "Nothing was imported.");
    // 150 points a game over 82 games is 12,300 in the season.
    EXPECT_EQ(refusal("pergame.csv", "Player,G,PPG\nLuka Doncic,82,150\n"),
              "pergame.csv is invalid: column 3 (PPG) holds \"150\", which is outside 0 to 10000 "
              "once multiplied by 82 games. Nothing was imported.");
    // ".451" shows the file writes a decimal point: "2,14" is then a broken thousands group.
    EXPECT_EQ(refusal("broken.csv", "Player,G,PTS,FG%\nLuka Doncic,70,\"2,14\",.451\n"),
              "broken.csv is invalid: column 3 (PTS) holds \"2,14\", which is not a number. "
              "Nothing was imported.");
    EXPECT_EQ(stat(program, 1, "games"), 70);
    EXPECT_EQ(program.players(), 9);
}

TEST(SiteTables, DecimalCommaFilesReadTheirThousandsByTheFilesConventionAndEmptyCellsAreNotZero) {
    LeagueDatabase program;
    const std::string path = writeFile(program.folder, "europe.csv",
                                       "Spieler;G;Min;FG%;FGA;STL\n"
                                       "Luka Doncic;72;2.143,5;45,1%;\"1.154\";\n"
                                       "Nikola Jokic;80;2.504;0,511;1.200;90\n");
    TableImportOptions options;
    options.mappings = {{"Spieler", TableField::Name}};
    const auto report = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(stat(program, 1, "minutes"), 2144);  // 2143.5 rounds half away from zero
    EXPECT_EQ(stat(program, 1, "fga"), 1154);
    EXPECT_EQ(stat(program, 1, "fgm"), 520);    // 0.451 x 1154 = 520.45
    EXPECT_EQ(stat(program, 1, "steals"), 70);  // not given: the stored figure stays
    EXPECT_EQ(stat(program, 5, "minutes"), 2504);
    EXPECT_EQ(stat(program, 5, "fgm"), 613);  // 0.511 x 1200 = 613.2
    EXPECT_EQ(stat(program, 5, "steals"), 90);
}

TEST(SiteTables, HostileNamesAndRowsAreListedNeverStored) {
    LeagueDatabase program;
    const std::string longName(120, 'a');
    const std::string path =
        writeFile(program.folder, "hostile.csv",
                  "Player,G,PTS\n"
                  "\xEF\xBB\xBFLuka Doncic,71,1500\n"   // a byte order mark at a line's start
                  "Nikola\tJokic\t80\t1600\n"           // a tab-separated line in a comma table
                  "Evil \x1B]0;title\x07Name,10,100\n"  // escape sequences
                  "A " +
                      longName +
                      ",10,100\n"                       // 122 characters
                      "Mohamed Bamba,60,700,extra\n");  // a cell past the heading
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 1);
    EXPECT_EQ(report->created, 0);
    EXPECT_EQ(report->skippedRows,
              (std::vector<std::string>{"line 3: has 1 cells where the heading has 3",
                                        "line 4: the name holds a control character",
                                        "line 5: the name is longer than 100 characters",
                                        "line 6: has 4 cells where the heading has 3"}));
    EXPECT_EQ(stat(program, 1, "games"), 71);
    EXPECT_EQ(program.players(), 9);
    EXPECT_EQ(program.scalar("select count(*) from draftAdded"), 0);
}

// A stored player with his position flags (PG, SG, PF, SF, C).
std::string playerLine(int id, const std::string& first, const std::string& last,
                       const std::string& pos, const std::string& team, const std::string& flags) {
    return std::to_string(id) + ",P,2019," + first + "," + last + "," + pos + "," + team +
           ",1990-01-02,70,2000,100,80,900,400,300,100,50,250,300,70,30,120,5,1,2019-10-15,0,0," +
           flags;
}

// Players a real per-game ranking names by another form of their first name, or by one part of
// a hyphenated last name.
struct OtherFormsDatabase : TestProgram {
    OtherFormsDatabase() {
        EXPECT_TRUE(importProjectionText(
            state, dialogs,
            joinLines({kHeader, playerLine(1, "Mitch", "Creek", "F", "MIN", "0,0,0,1,0"),
                       playerLine(2, "Vince", "Edwards", "F", "HOU", "0,0,1,0,0"),
                       playerLine(3, "Tyrone", "Wallace", "G", "LAC", "1,1,0,0,0"),
                       playerLine(4, "Naz", "Mitrou-Long", "G", "UTA", "1,0,0,0,0"),
                       playerLine(5, "Mike", "Jones", "G", "NYK", "1,0,0,0,0"),
                       playerLine(6, "Mikey", "Jones", "F", "NYK", "0,0,1,0,0"),
                       playerLine(7, "Timothé", "Luwawu", "F", "PHI", "0,0,0,1,0")},
                      "\n")));
    }
};

TEST(SiteTables, ShortFormsOfFirstNamesAndPartsOfHyphenatedNamesFindTheirPlayers) {
    OtherFormsDatabase program;
    const std::string path = writeFile(program.folder, "ranking.csv",
                                       "Rank,Value,Name,Team,Pos,g,p/g\n"
                                       "401,-3.12,Mitchell Creek,MIN,SF,4,3.8\n"
                                       "402,-3.15,Vincent Edwards,HOU,PF,56,3.2\n"
                                       "403,-3.20,Ty Wallace,LAC,\"PG,SG\",62,3.6\n"
                                       "404,-3.31,Naz Long,UTA,PG,29,2.1\n"
                                       "405,-3.40,Timothé Luwawu-Cabarrot,PHI,SF,55,13.5\n"
                                       "406,-3.50,Michael Jones,NYK,SG,10,5.5\n");
    TableImportOptions options;
    options.dryRun = true;
    const auto dry = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(dry) << program.dialogs.lastText();
    EXPECT_EQ(dry->matched, 5);
    EXPECT_EQ(dry->created, 0);
    // Mike and Mikey Jones both play for the Knicks: the row is not guessed.
    EXPECT_EQ(dry->ambiguousNames, std::vector<std::string>{"Michael Jones (line 7)"});

    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, {}));
    EXPECT_EQ(stat(program, 1, "games"), 4);
    EXPECT_EQ(stat(program, 2, "games"), 56);
    EXPECT_EQ(stat(program, 3, "games"), 62);
    EXPECT_EQ(stat(program, 4, "games"), 29);
    EXPECT_EQ(stat(program, 7, "games"), 55);
    EXPECT_EQ(stat(program, 5, "games"), 70);
    EXPECT_EQ(stat(program, 6, "games"), 70);
    EXPECT_EQ(program.scalar("select count(*) from draftAdded"), 0);
    // Stored names keep their own spelling.
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where firstname = 'Mitch'"), 1);
}

TEST(SiteTables, AnotherFormOfANameCountsOnlyWhereTheTeamOrPositionConfirmsIt) {
    OtherFormsDatabase program;
    // Another Vincent Edwards, of another team and position; a Ty Wallace without either.
    const std::string path = writeFile(program.folder, "others.csv",
                                       "Name,Team,Pos,GP\n"
                                       "Vincent Edwards,BOS,C,40\n"
                                       "Ty Wallace,,,41\n"
                                       "Vincent Edwards,DEN,PF,42\n");
    TableImportOptions options;
    options.dryRun = true;
    const auto dry = importProjectionTable(program.state, program.dialogs, path, options);
    ASSERT_TRUE(dry) << program.dialogs.lastText();
    // The third row's position (PF) is the stored Vince Edwards's; the first two are new.
    EXPECT_EQ(dry->matched, 1);
    EXPECT_EQ(dry->createdNames,
              (std::vector<std::string>{"Vincent Edwards (line 2)", "Ty Wallace (line 3)"}));
}

// One byte of the Windows code page in an otherwise UTF-8 file: read as that code page, "ć"
// would become "Ä‡" and every accented player a new one.
TEST(SiteTables, ARowThatDoesNotFitTheFilesCodePageIsListedAndTheRestKeepTheirAccents) {
    LeagueDatabase program;
    const std::string path = writeFile(program.folder, "mixed.csv",
                                       "Player,Team,G\n"
                                       "Luka Don\xC4\x8Di\xC4\x87,DAL,71\n"
                                       "Nikola Joki\xE6,DEN,72\n"
                                       "Marcus Morris,\"NYK\x1B[2J\",60\n"
                                       "Mohamed Bamba,\"ORL\xE2\x80\xAE\",61\n");
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->matched, 1);
    EXPECT_EQ(report->created, 0);
    EXPECT_EQ(report->skippedRows,
              (std::vector<std::string>{
                  "line 3: holds bytes that are not text in the file's code page",
                  "line 4: the team holds a control character",
                  "line 5: the team holds a character that turns the writing direction"}));
    EXPECT_EQ(stat(program, 1, "games"), 71);
    EXPECT_EQ(stat(program, 5, "games"), 70);
    EXPECT_EQ(program.players(), 9);
}

TEST(SiteTables, MoreShotsMadeThanAttemptedRefusesTheTableNamingLineAndColumn) {
    LeagueDatabase program;
    const std::string columns = writeFile(program.folder, "columns.csv",
                                          "Player,G,FGM,FGA,FTM,FTA\n"
                                          "Luka Doncic,70,500,900,300,400\n"
                                          "Nikola Jokic,70,1001,1000,200,250\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, columns, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "Line 3 of " + columns +
                  " is invalid: column 3 (FGM) holds \"1001\", which is more than the 1000 of "
                  "column 4 (FGA). Nothing was imported.");

    const std::string cells = writeFile(program.folder, "cells.csv",
                                        "PLAYER,GP,FT%\n"
                                        "Luka Doncic,70,0.794 (6.1/7.7)\n"
                                        "Nikola Jokic,70,0.794 (7.9/7.7)\n");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, cells, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "Line 3 of " + cells +
                  " is invalid: column 3 (FT%) holds \"0.794 (7.9/7.7)\", which is not a "
                  "percentage. Nothing was imported.");
    EXPECT_EQ(stat(program, 1, "games"), 70);
    EXPECT_EQ(stat(program, 5, "fgm"), 400);
}

TEST(SiteTables, ATableOfAHundredThousandColumnsIsRefusedAtOnceInOneLine) {
    LeagueDatabase program;
    std::string heading = "Player";
    for (int c = 1; c < 100000; ++c) {
        heading += ",C" + std::to_string(c);
    }
    const std::string path = writeFile(program.folder, "wide.csv", heading + "\nLuka Doncic\n");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, {}));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    ASSERT_EQ(program.dialogs.messages.size(), 1U);
    EXPECT_EQ(program.dialogs.lastText(), "The table " + path +
                                              " has 100000 columns; a table may have at most "
                                              "1000. Nothing was imported.");
}

TEST(SiteWorkbooks, AnXlsxSheetImportsAsTheCsvItWouldSaveAndSheetsAreChosenByName) {
    LeagueDatabase program;
    const std::string path = (program.folder.path() / "projections.xlsx").string();
    const WorkbookRows totals = {
        {std::string("Player"), std::string("Team"), std::string("GP"), std::string("FG%"),
         std::string("FGA"), std::string("Updated")},
        {std::string("Luka Dončić"), std::string("DAL"), 72.0, 0.437, 1154.0, 43753.0},
        {std::string("Nikola Jokić"), std::string("DEN"), 80.0, 0.511, 1200.0, 43753.0}};
    const WorkbookRows other = {{std::string("Player"), std::string("GP")},
                                {std::string("Luka Dončić"), 33.0}};
    ASSERT_TRUE(writeXlsx(path, {{"Totals", totals}, {"Other", other}}));

    const auto first = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(first) << program.dialogs.lastText();
    EXPECT_EQ(first->sheet, "Totals");
    EXPECT_EQ(first->matched, 2);
    EXPECT_EQ(stat(program, 1, "games"), 72);
    EXPECT_EQ(stat(program, 1, "fgm"), 504);  // 0.437 x 1154 = 504.3
    EXPECT_EQ(stat(program, 5, "fgm"), 613);  // 0.511 x 1200 = 613.2

    TableImportOptions options;
    options.sheet = "Other";
    ASSERT_TRUE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(stat(program, 1, "games"), 33);

    options.sheet = "Missing";
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, path, options));
    EXPECT_EQ(program.dialogs.lastText(),
              "The file " + path +
                  " has no sheet named Missing (its sheets: Totals, Other). Nothing was imported.");
}

TEST(SiteWorkbooks, AnXlsWorkbookImportsLikeItsXlsxTwin) {
    LeagueDatabase program;
    const std::string path = (program.folder.path() / "rankings.xls").string();
    writeBytes(path, xlsBytes("Rankings",
                              {{std::string("Player"), std::string("Team"), std::string("GP"),
                                std::string("FGA")},
                               {std::string("Luka Dončić"), std::string("DAL"), 72.0, 1154.0},
                               {std::string("Nikola Jokić"), std::string("DEN"), 80.0, 1200.5}}));
    const auto report = importProjectionTable(program.state, program.dialogs, path, {});
    ASSERT_TRUE(report) << program.dialogs.lastText();
    EXPECT_EQ(report->sheet, "Rankings");
    EXPECT_EQ(report->matched, 2);
    EXPECT_EQ(stat(program, 1, "games"), 72);
    EXPECT_EQ(stat(program, 1, "fga"), 1154);
    EXPECT_EQ(stat(program, 5, "fga"), 1201);  // 1200.5 rounds half away from zero
}

TEST(SiteWorkbooks, FilesThatAreNoTableAreRefusedSayingWhatTheyAre) {
    LeagueDatabase program;
    const std::string zipPath = (program.folder.path() / "photos.xlsx").string();
    int error = 0;
    zip_t* archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    ASSERT_TRUE(addZipText(archive, "readme.txt", "not a workbook"));
    ASSERT_EQ(zip_close(archive), 0);
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, zipPath, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "The file " + zipPath + " is a ZIP file but not a workbook. Nothing was imported.");

    const std::string pdf = writeFile(program.folder, "ranks.csv", "%PDF-1.7\n%\xE2\xE3\n1 0 obj");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, pdf, {}));
    EXPECT_EQ(program.dialogs.lastText(),
              "The file " + pdf + " is a PDF document, not a table. Nothing was imported.");

    const std::string page =
        writeFile(program.folder, "page.xls", "<!DOCTYPE html><html><table></table></html>");
    EXPECT_FALSE(importProjectionTable(program.state, program.dialogs, page, {}));
    EXPECT_NE(program.dialogs.lastText().find(" is a web page, not a table"), std::string::npos);
    EXPECT_EQ(program.players(), 9);
}

TEST(SitePastes, ATableCopiedFromAPageWithoutHeadingsGetsColumnsToName) {
    LeagueDatabase program;
    const DelimitedTable pasted =
        readPastedTable("1\tLuka Dončić\tDAL\tPG\t72\t28.8\n2\tNikola Jokić\tDEN\tC\t80\t20.1\n");
    EXPECT_FALSE(pasted.headed);
    ASSERT_EQ(pasted.records.size(), 3U);
    EXPECT_EQ(pasted.records[0].cells,
              (std::vector<std::string_view>{"Column 1", "Column 2", "Column 3", "Column 4",
                                             "Column 5", "Column 6"}));
    TableImportOptions options;
    options.mappings = {{"Column 5", TableField::Games}, {"Column 6", TableField::Points}};
    options.perGame = true;
    const auto report =
        importProjectionTable(program.state, program.dialogs, pasted, "pasted table", options);
    ASSERT_TRUE(report) << program.dialogs.lastText();
    // Name, team and position are plain from the cells.
    EXPECT_EQ(tableFieldName(report->layout.columns[1].field), "name");
    EXPECT_EQ(tableFieldName(report->layout.columns[2].field), "team");
    EXPECT_EQ(tableFieldName(report->layout.columns[3].field), "pos");
    EXPECT_EQ(report->matched, 2);
    // 72 x 28.8 = 2073.6 -> 2074 points; without made field goals they give them:
    // (2074 - 100 - 80) / 2 = 947.
    EXPECT_EQ(stat(program, 1, "fgm"), 947);

    const DelimitedTable headed = readPastedTable("Player\tGP\nLuka Dončić\t72\n");
    EXPECT_TRUE(headed.headed);
    EXPECT_EQ(headed.records.size(), 2U);
}

}  // namespace
}  // namespace quorvane::test
