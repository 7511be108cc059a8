// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "SampleDraftCli.h"

namespace quorvane {
namespace {

using test::csvFields;
// The pick,teamid,team,playerid,player,slot,price lines of mock-run.
using test::csvRows;

std::vector<std::string> column(const std::vector<std::vector<std::string>>& rows, std::size_t at) {
    std::vector<std::string> values;
    for (const auto& row : rows) {
        values.push_back(row.at(at));
    }
    return values;
}

class PracticeCommands : public test::SampleDraftCli {
  protected:
    // Four teams, the usual thirteen slots (PG, SG, G, SF, PF, F, C×2, UT×2, R×3).
    bool realSnake() { return newDraft("Real", 4, Style::Snake, Scoring::Rotisserie); }
};

TEST_F(PracticeCommands, ASnakePracticeFillsEveryRosterAndNeverTouchesTheRealDraft) {
    ASSERT_TRUE(realSnake());
    const auto made = cli.run({"mock", "Real", "--seed", "9"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "2\n");
    EXPECT_EQ(cli.run({"drafts"}).out,
              "template_id,template_name,practice_of\n1,Real,\n2,Real practice 1,1\n");

    // The user holds pick 1: nobody picks for him.
    const auto first = cli.run({"mock-run", "2"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_TRUE(csvRows(first).empty());
    EXPECT_EQ(first.err, "Practice Draft: You are on the clock.\n");

    ASSERT_EQ(cli.run({"pick", "2", "3879"}).status, 0);
    // Teams 2, 3, 4, 4, 3, 2 pick before his turn 8.
    const auto toMine = cli.run({"mock-run", "2", "--to-mine"});
    ASSERT_EQ(toMine.status, 0) << toMine.err;
    const auto six = csvRows(toMine);
    ASSERT_EQ(six.size(), 6U);
    EXPECT_EQ(column(six, 0), (std::vector<std::string>{"2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(column(six, 2), (std::vector<std::string>{"Owner 2", "Owner 3", "Owner 4", "Owner 4",
                                                        "Owner 3", "Owner 2"}));

    const auto rest = cli.run({"mock-run", "2", "--to-end"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_EQ(rest.err, "Practice Draft: The practice draft is complete.\n");
    auto picks = six;
    for (auto& pick : csvRows(rest)) {
        picks.push_back(pick);
    }
    // 4 × 13 = 52 picks less the user's first.
    ASSERT_EQ(picks.size(), 51U);
    std::map<std::string, std::map<std::string, int>> slots;
    for (const auto& pick : picks) {
        ++slots[pick.at(2)][pick.at(5)];
    }
    ++slots["Owner 1"]["G"];  // Harden went where the pick window put him
    const std::map<std::string, int> full = {{"C", 2}, {"F", 1},  {"G", 1},  {"PF", 1}, {"PG", 1},
                                             {"R", 3}, {"SF", 1}, {"SG", 1}, {"UT", 2}};
    for (const auto& [team, filled] : slots) {
        EXPECT_EQ(filled, full) << team;
    }
    EXPECT_EQ(cli.run({"mock-run", "2"}).err, "Practice Draft: The practice draft is complete.\n");

    // The real draft has no pick and every player.
    EXPECT_EQ(cli.run({"log", "Real"}).outLines().size(), 1U);
    EXPECT_EQ(cli.run({"players", "Real"}).outLines().size(), 531U);
    EXPECT_EQ(cli.run({"log", "2"}).outLines().size(), 53U);
}

TEST_F(PracticeCommands, TheSameSeedDraftsTheSameAndARestartStartsOver) {
    ASSERT_TRUE(realSnake());
    ASSERT_EQ(cli.run({"mock", "Real", "--seed", "31", "--name", "First"}).out, "2\n");
    ASSERT_EQ(cli.run({"mock", "Real", "--seed", "31", "--name", "Second"}).out, "3\n");
    const auto one = csvRows(cli.run({"mock-run", "First", "--to-end"}));
    const auto two = csvRows(cli.run({"mock-run", "Second", "--to-end"}));
    ASSERT_EQ(one.size(), 52U);
    EXPECT_EQ(column(one, 3), column(two, 3));

    ASSERT_EQ(cli.run({"mock-restart", "First", "--seed", "31"}).status, 0);
    EXPECT_EQ(cli.run({"log", "First"}).outLines().size(), 1U);
    const auto again = csvRows(cli.run({"mock-run", "First", "--to-end"}));
    EXPECT_EQ(column(again, 3), column(one, 3));
}

// Two picks made in the real draft: the practice starts with them and Owner 3 on the clock, and
// a restart goes back there, not to the first pick.
TEST_F(PracticeCommands, FromNowCopiesThePicksAndTheTurnAndARestartReturnsThere) {
    ASSERT_TRUE(realSnake());
    ASSERT_EQ(cli.run({"pick", "Real", "3879"}).status, 0);
    ASSERT_EQ(cli.run({"pick", "Real", "3769"}).status, 0);
    ASSERT_EQ(cli.run({"mock", "Real", "--from-now", "--seed", "3"}).out, "2\n");
    const std::vector<std::string> copied = {"Ord,Name,Pos,Team", "2,Kevin Durant,F,Owner 2",
                                             "1,James Harden,G,Owner 1"};
    EXPECT_EQ(cli.run({"log", "2"}).outLines(), copied);
    // Picks 3 to 7 go to Owner 3, 4, 4, 3, 2 before the user's pick 8.
    const auto run = csvRows(cli.run({"mock-run", "2"}));
    EXPECT_EQ(column(run, 0), (std::vector<std::string>{"3", "4", "5", "6", "7"}));
    EXPECT_EQ(column(run, 2),
              (std::vector<std::string>{"Owner 3", "Owner 4", "Owner 4", "Owner 3", "Owner 2"}));
    ASSERT_EQ(cli.run({"mock-restart", "2"}).status, 0);
    EXPECT_EQ(cli.run({"log", "2"}).outLines(), copied);
    EXPECT_EQ(csvFields(cli.run({"turn", "2"}).outLines().at(1)).at(1), "Owner 3");
    EXPECT_EQ(cli.run({"log", "Real"}).outLines(), copied);
}

TEST_F(PracticeCommands, PracticeCommandsRefuseARealDraft) {
    ASSERT_TRUE(realSnake());
    EXPECT_EQ(cli.run({"mock-run", "Real"}).status, 1);
    EXPECT_EQ(cli.run({"mock-restart", "Real"}).status, 1);
    EXPECT_EQ(cli.run({"mock-delete", "Real"}).status, 1);
    EXPECT_EQ(cli.run({"drafts"}).outLines().size(), 2U);
    EXPECT_EQ(cli.run({"mock", "Real", "--seed", "x"}).status, 2);
    EXPECT_EQ(cli.run({"drafts"}).outLines().size(), 2U);
}

TEST_F(PracticeCommands, TheGradeListsPlacesAndEveryPickAgainstItsAdp) {
    ASSERT_TRUE(realSnake());
    ASSERT_EQ(cli.run({"mock", "Real", "--seed", "5"}).status, 0);
    ASSERT_EQ(cli.run({"mock-run", "2", "--to-end"}).status, 0);
    const auto grade = cli.run({"mock-grade", "2"});
    ASSERT_EQ(grade.status, 0) << grade.err;
    const auto lines = grade.outLines();
    ASSERT_EQ(lines.front(), "kind,name,place,points,pick,adp,verdict");
    const auto standings = csvFields(lines.at(1));
    EXPECT_EQ(standings.at(0), "standings");
    EXPECT_EQ(standings.at(1), "Owner 1");
    int categories = 0;
    std::vector<std::string> picks;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const auto row = csvFields(lines[i]);
        categories += row.at(0) == "category" ? 1 : 0;
        if (row.at(0) == "pick") {
            picks.push_back(row.at(4));
        }
    }
    EXPECT_EQ(categories, 9);
    // Position 1 of four picks 1, 8, 9, 16, 17, ... 49.
    EXPECT_EQ(picks, (std::vector<std::string>{"1", "8", "9", "16", "17", "24", "25", "32", "33",
                                               "40", "41", "48", "49"}));
    ASSERT_EQ(cli.run({"mock-delete", "2"}).status, 0);
    EXPECT_EQ(cli.run({"drafts"}).out, "template_id,template_name,practice_of\n1,Real,\n");
}

// Three teams of an auction on the sample run to the end: every roster full, nobody above the
// cap, the user's limits honoured.
TEST_F(PracticeCommands, AnAuctionPracticeSellsEveryPlaceWithinTheMoney) {
    ASSERT_TRUE(newDraft("Auction", 3, Style::Auction, Scoring::Rotisserie));
    ASSERT_EQ(cli.run({"mock", "Auction", "--seed", "12"}).status, 0);
    const auto run = cli.run({"mock-run", "2", "--to-end", "--bid", "3879=1", "--bid", "x=3"});
    EXPECT_EQ(run.status, 2);
    const auto sold = cli.run({"mock-run", "2", "--to-end", "--bid", "3879=1"});
    ASSERT_EQ(sold.status, 0) << sold.err;
    const auto picks = csvRows(sold);
    ASSERT_EQ(picks.size(), 39U);
    std::map<std::string, double> spent;
    std::map<std::string, int> players;
    for (const auto& pick : picks) {
        const double price = std::stod(pick.at(6));
        EXPECT_GE(price, 1.0);
        EXPECT_EQ(price, static_cast<double>(static_cast<int>(price)));
        spent[pick.at(2)] += price;
        ++players[pick.at(2)];
        if (pick.at(3) == "3879") {
            EXPECT_NE(pick.at(2), "Owner 1");  // his limit of $1 never buys the best player
        }
    }
    for (const auto& [team, count] : players) {
        EXPECT_EQ(count, 13) << team;
        EXPECT_LE(spent[team], 200.0) << team;
    }
}

}  // namespace
}  // namespace quorvane
