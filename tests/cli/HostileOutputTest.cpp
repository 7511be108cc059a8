// SPDX-License-Identifier: MIT
// Names that a file, a room or another program stored are printed as text: no cell a
// spreadsheet would run, no control character for the terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "CliRunner.h"
#include "store/Connection.h"
#include "text/TerminalText.h"

namespace quorvane {
namespace {

using test::CliRun;
using test::CliRunner;

std::string shown(const std::vector<std::string>& writes) {
    std::ostringstream terminal;
    {
        TerminalStream stream(terminal);
        for (const std::string& text : writes) {
            stream.stream() << text << std::flush;
        }
    }
    return terminal.str();
}

TEST(TerminalText, ControlCharactersAreShownAsQuestionMarks) {
    // Clear the screen, set the window's title, ring the bell, return to the line's start.
    EXPECT_EQ(shown({"\x1b[2J\x1b]0;owned\x07 Adams\r\b\x7f"}), "?[2J?]0;owned? Adams???");
    EXPECT_EQ(shown({std::string("a\0b", 3)}), "a?b");
    // Lines and tabs are the program's own layout.
    EXPECT_EQ(shown({"a,b\n\tc\n"}), "a,b\n\tc\n");
}

TEST(TerminalText, LettersOfEveryScriptPassAndTheC1ControlsDoNot) {
    EXPECT_EQ(shown({"José Calderón, Nikola Jokić, 姚明, 🏀"}),
              "José Calderón, Nikola Jokić, 姚明, 🏀");
    // U+009B is a one-character escape sequence on terminals that read C1 controls.
    EXPECT_EQ(shown({"\xc2\x9b"
                     "2J"}),
              "?2J");
    EXPECT_EQ(shown({"\x9b"
                     "2J"}),
              "?2J");
    // Bytes no UTF-8 text has, an overlong ESC, a surrogate, and a sequence cut short.
    EXPECT_EQ(shown({"\xff\xfe|\xc0\x9b|\xed\xa0\x80|\xc3"}), "??|??|??|?");
    EXPECT_EQ(shown({"\xe2\x82"
                     "A"}),
              "?A");
}

TEST(TerminalText, ACharacterSplitOverTwoWritesIsKept) {
    EXPECT_EQ(shown({"Joki\xc4", "\x87"}), "Jokić");
    EXPECT_EQ(shown({"\xf0\x9f", "\x8f", "\x80"}), "🏀");
}

// A parser of RFC 4180 text: the cells of each record, quotes undone.
std::vector<std::vector<std::string>> csvRecords(const std::string& text) {
    std::vector<std::vector<std::string>> records(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().push_back(std::exchange(cell, {}));
        } else if (c == '\n') {
            records.back().push_back(std::exchange(cell, {}));
            records.emplace_back();
        } else {
            cell += c;
        }
    }
    records.pop_back();  // after the last line end
    return records;
}

bool isPlainNumber(const std::string& cell) {
    std::size_t used = 0;
    try {
        std::stod(cell, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == cell.size();
}

// Six teams and two players named as a spreadsheet would take them for formulas, and a player
// and a team whose names hold escape sequences, all stored as another program left them.
struct HostileNames : ::testing::Test {
    void SetUp() override {
        ASSERT_EQ(cli.run({"init"}).status, 0);
        ASSERT_EQ(
            cli.run({"new-draft", "Hostile", "--teams", "8", "--auction", "--rotisserie"}).status,
            0);
        Connection connection;
        ASSERT_TRUE(openConnection(connection, cli.folder().str() + "/players2019.db", Log()));
        const std::vector<std::string> names{
            "=HYPERLINK(\"http://x\",\"y\")", "+Plus", "-Minus", "@At", "\t=Tab", "\r=Return",
            "Red\x1b[31m\x1b]0;owned\x07"};
        for (std::size_t i = 0; i < names.size(); ++i) {
            ASSERT_TRUE(executeSql(connection,
                                   "update DraftTeams set teamname = ? where teamid = (select "
                                   "teamid from DraftTeams order by teamid limit 1 offset ?)",
                                   {names[i], SqlValue{static_cast<std::int64_t>(i)}}));
        }
        ASSERT_TRUE(executeSql(connection,
                               "update DraftPlayers set firstname = '=cmd|'' /C calc''!A0', "
                               "lastname = '-Minus' where playerid = 3879"));
        ASSERT_TRUE(executeSql(connection,
                               "update DraftPlayers set lastname = ? where playerid = 4351",
                               {std::string("Adams\x1b[2J\x1b]0;owned\x07")}));
        ASSERT_EQ(cli.run({"pick", "Hostile", "3879", "--team", "1", "--dollars", "7"}).status, 0);
        ASSERT_EQ(cli.run({"pick", "Hostile", "4351", "--team", "7", "--dollars", "7"}).status, 0);
    }
    CliRunner cli;
};

TEST_F(HostileNames, NoListPrintsACellASpreadsheetWouldRun) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"board", "Hostile"},
                                                    {"values", "Hostile"},
                                                    {"research", "Hostile", "--taken"},
                                                    {"roster", "Hostile", "1"},
                                                    {"log", "Hostile"},
                                                    {"money", "Hostile"},
                                                    {"projections"},
                                                    {"standings", "Hostile"},
                                                    {"standings", "Hostile", "--raw"},
                                                    {"players", "Hostile"},
                                                    {"drafts"},
                                                    {"turn", "Hostile"}}) {
        const CliRun run = cli.run(command);
        ASSERT_EQ(run.status, 0) << command[0] << run.err;
        std::size_t hostileCells = 0;
        for (const auto& record : csvRecords(run.out)) {
            for (const std::string& cell : record) {
                const bool risky =
                    !cell.empty() && std::string("=+-@\t\r").find(cell[0]) != std::string::npos;
                EXPECT_TRUE(!risky || isPlainNumber(cell)) << command[0] << ": " << cell;
                hostileCells += cell.starts_with("'=") || cell.starts_with("'-") ||
                                cell.starts_with("'+") || cell.starts_with("'@") ||
                                cell.starts_with("'\t");
            }
        }
        // The available players and the team on the clock need not show one of them.
        if (command[0] != "drafts" && command[0] != "turn" && command[0] != "players") {
            EXPECT_GT(hostileCells, 0u) << command[0] << " showed none of the names";
        }
    }
    // The money list gives a team's name first, which was "-Minus".
    EXPECT_NE(cli.run({"money", "Hostile"}).out.find("\n'-Minus - $200"), std::string::npos);
}

TEST_F(HostileNames, NoEscapeSequenceReachesTheTerminal) {
    Connection connection;
    ASSERT_TRUE(openConnection(connection, cli.folder().str() + "/players2019.db", Log()));
    ASSERT_TRUE(executeSql(connection, "update DraftTemplate set template_name = ?",
                           {std::string("Hostile\x1b[H")}));
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"board", "1"},
          {"roster", "1", "1"},
          {"log", "1"},
          {"players", "1"},
          {"research", "1", "--taken"},
          {"drafts"},
          {"show-draft", "1"},
          {"quick-pick", "1", "Ad"},
          {"clock", "1"},
          // Messages too: the unknown draft's name and the option's value come back in them.
          {"show-draft", "\x1b]0;owned\x07"},
          {"players", "1", "--sort", "\x1b[2J"}}) {
        const CliRun run = cli.run(command);
        EXPECT_EQ(run.out.find_first_of("\x1b\x07\r"), std::string::npos) << command[0];
        EXPECT_EQ(run.err.find_first_of("\x1b\x07\r"), std::string::npos) << command[0];
    }
    EXPECT_NE(cli.run({"log", "1"}).out.find("Adams?[2J?]0;owned?"), std::string::npos);
    EXPECT_EQ(cli.run({"drafts"}).out, "template_id,template_name,practice_of\n1,Hostile?[H,\n");
    EXPECT_EQ(cli.run({"show-draft", "\x1b]0;owned\x07"}).err,
              "Error: No draft with the id or name \"?]0;owned?\"\n");
}

}  // namespace
}  // namespace quorvane
