// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "RoomFixture.h"
#include "cli/CliApp.h"

namespace quorvane::test {
namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A draft room driven through the command line in-process, on the fixture's database.
struct CliRoom : RoomFixture {
    CliRoom(int teams, int drafttype) : RoomFixture(teams, drafttype) {
        setRoster(1, 1, 0, 0, 1, 0, 0, 0, 0);
        for (int i = 1; i <= 12; ++i) {
            addPlayer({.playerid = 100 + i,
                       .firstname = "F" + std::to_string(i),
                       .lastname = "L" + std::to_string(i),
                       .pos = i % 3 == 0 ? "C" : "G"});
        }
    }
    CliRun run(std::vector<std::string> args, bool yes = false) {
        args.insert(args.begin(), {"quorvane-draft-cli", "--data-dir", folder.str()});
        if (yes) {
            args.insert(args.begin() + 3, "--yes");
        }
        std::vector<const char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        std::ostringstream out;
        std::ostringstream err;
        std::istringstream in;
        CliRun result;
        result.status = cli::runCli(static_cast<int>(argv.size()), argv.data(), {out, err, in});
        result.out = out.str();
        result.err = err.str();
        return result;
    }
    std::string turn() {
        const std::string out = run({"turn", "Room"}).out;
        return out.substr(out.find('\n') + 1);
    }
    std::string team(int position) { return std::to_string(teamAt(position)); }
};

TEST(CliSnakeDraft, PicksMoveTheTurnAndUndoRestoresIt) {
    CliRoom draft(3, kDraftTypeSnake);
    EXPECT_EQ(draft.turn(), draft.team(1) + ",Owner 1,1,U\n");

    // Round one up, position 3 twice, then back down.
    const std::vector<std::string> turns{"2,U", "3,U", "3,D", "2,D"};
    for (int i = 0; i < 4; ++i) {
        const CliRun pick = draft.run({"pick", "Room", std::to_string(101 + i)});
        ASSERT_EQ(pick.status, 0) << pick.err;
        EXPECT_EQ(pick.out, std::to_string(i + 1) + "\n");
        const std::string turn = draft.turn();
        EXPECT_NE(turn.find("," + turns[static_cast<std::size_t>(i)] + "\n"), std::string::npos)
            << turn;
    }

    const CliRun log = draft.run({"log", "Room"});
    EXPECT_EQ(log.out,
              "Ord,Name,Pos,Team\n4,F4 L4,G,Owner 3\n3,F3 L3,C,Owner 3\n2,F2 L2,G,Owner 2\n"
              "1,F1 L1,G,Owner 1\n");

    const CliRun roster = draft.run({"roster", "Room", draft.team(3)});
    EXPECT_EQ(roster.out, ",PlayerID,TeamID,Name,Team,Rd.Sel.Ov\nG,104," + draft.team(3) +
                              ",\"L4, F4\",BOS,2.1.4\nF,,,,,\nC,103," + draft.team(3) +
                              ",\"L3, F3\",BOS,1.3.3\n");

    const CliRun money = draft.run({"money", "Room"});
    EXPECT_EQ(money.out, "Owner 1\n<<Owner 2\nOwner 3\n");

    // Position 2 fills its centre slot; position 1 then picks twice, and a second guard is
    // asked about and refused without --yes.
    ASSERT_EQ(draft.run({"pick", "Room", "105", "--pos", "C"}).status, 0);
    const CliRun second = draft.run({"pick", "Room", "106", "--pos", "G"});
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("A G roster spot is not available"), std::string::npos);
    EXPECT_EQ(draft.picks(), 5);

    ASSERT_EQ(draft.run({"undo", "Room"}).status, 0);
    EXPECT_EQ(draft.picks(), 4);
    EXPECT_NE(draft.turn().find(",2,D\n"), std::string::npos);
    ASSERT_EQ(draft.run({"skip", "Room"}).status, 0);
    EXPECT_NE(draft.turn().find(",1,D\n"), std::string::npos);
    ASSERT_EQ(draft.run({"undo", "Room"}).status, 0);  // the skip
    EXPECT_EQ(draft.picks(), 4);
    EXPECT_NE(draft.turn().find(",2,D\n"), std::string::npos);

    const CliRun players = draft.run({"players", "Room", "--position", "centers"});
    ASSERT_EQ(players.status, 0) << players.err;
    EXPECT_EQ(players.out.substr(0, players.out.find('\n')),
              "playerid,flag,RK,Name,Team,Pos,GP,FGP,FTP,3PT,PTS,REB,AST,STL,BLK,TO,Notes");
    EXPECT_NE(players.out.find("\n106,0,"), std::string::npos);
    EXPECT_EQ(players.out.find("\n103,"), std::string::npos);
    EXPECT_EQ(players.out.find("\n104,"), std::string::npos);
}

// The player ids of a printed list, top to bottom.
std::vector<std::string> listedIds(const std::string& out) {
    std::vector<std::string> ids;
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);  // the headings
    while (std::getline(lines, line)) {
        ids.push_back(line.substr(0, line.find(',')));
    }
    return ids;
}

TEST(CliPlayerLists, EachCommandListsWithItsOwnFilterAndSort) {
    CliRoom draft(3, kDraftTypeSnake);
    const CliRun centres =
        draft.run({"players", "Room", "--position", "centers", "--sort", "Name"});
    ASSERT_EQ(centres.status, 0) << centres.err;
    // Every third player is a centre; by last name "L12" < "L3" < "L6" < "L9".
    EXPECT_EQ(listedIds(centres.out), (std::vector<std::string>{"112", "103", "106", "109"}));
    const CliRun all = draft.run({"players", "Room"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(listedIds(all.out).size(), 12U);
    const CliRun guards = draft.run({"players", "Room", "--position", "guards", "--sort", "Name"});
    ASSERT_EQ(guards.status, 0) << guards.err;
    EXPECT_EQ(listedIds(guards.out),
              (std::vector<std::string>{"101", "110", "111", "102", "104", "105", "107", "108"}));
}

TEST(CliTurnHistory, SkipUndoBoardClockAndHistoryFollowTheTurns) {
    CliRoom draft(3, kDraftTypeSnake);
    ASSERT_EQ(draft.run({"pick", "Room", "101"}).out, "1\n");
    EXPECT_EQ(draft.run({"skip", "Room"}).out, "Skipped #2 Owner 2: Owner 3 on the clock\n");
    const CliRun board = draft.run({"board", "Room"});
    ASSERT_EQ(board.status, 0) << board.err;
    const auto firstRound = board.out.find("\n1,");
    ASSERT_NE(firstRound, std::string::npos) << board.out;
    EXPECT_EQ(board.out.substr(board.out.find(",(skipped),", firstRound) + 11, 1), "\n");

    ASSERT_EQ(draft.run({"pick", "Room", "102"}).out, "3\n");
    EXPECT_EQ(draft.run({"undo", "Room"}).out, "Undid #3 F2 L2, Owner 3\n");
    EXPECT_EQ(draft.run({"undo", "Room"}).out, "Undid a skip: Owner 2 on the clock\n");
    // Position 1 is the user's: #3 and #4 are position 3's, #5 position 2's, #6 its own.
    EXPECT_EQ(draft.run({"clock", "Room"}).out,
              "Round 1 \u00b7 Pick 2 (#2) \u2014 Owner 2 on the clock \u00b7 you pick in 4\n");

    const CliRun history = draft.run({"history", "Room"});
    ASSERT_EQ(history.status, 0) << history.err;
    const std::string t1 = draft.team(1);
    const std::string t2 = draft.team(2);
    const std::string t3 = draft.team(3);
    EXPECT_EQ(history.out,
              "entry,turn,round,pick,kind,teamid,team,playerid,player,dollars,slot,undoes,"
              "taken back\n"
              "1,1,1,1,pick," +
                  t1 +
                  ",Owner 1,101,F1 L1,0,G,,\n"
                  "2,2,1,2,skip," +
                  t2 +
                  ",Owner 2,,,,,,yes\n"
                  "3,3,1,3,pick," +
                  t3 +
                  ",Owner 3,102,F2 L2,0,G,,yes\n"
                  "4,3,1,3,undo," +
                  t3 +
                  ",Owner 3,102,F2 L2,0,G,3,\n"
                  "5,2,1,2,undo," +
                  t2 + ",Owner 2,,,,,2,\n");
    EXPECT_EQ(draft.run({"history", "Nowhere"}).status, 1);
}

TEST(CliTurnHistory, UndoOfASkipAtTheSnakeTurnKeepsTheTeamsRealPick) {
    // Each command opens the draft afresh, so the history is read back from the file each time.
    CliRoom draft(3, kDraftTypeSnake);
    for (int i = 1; i <= 3; ++i) {
        ASSERT_EQ(draft.run({"pick", "Room", std::to_string(100 + i)}).out,
                  std::to_string(i) + "\n");
    }
    // Position 3 picked #3 and holds #4 at the turn; it skips that one.
    EXPECT_EQ(draft.run({"skip", "Room"}).out, "Skipped #4 Owner 3: Owner 2 on the clock\n");
    EXPECT_EQ(draft.run({"undo", "Room"}).out, "Undid a skip: Owner 3 on the clock\n");
    EXPECT_EQ(draft.picks(), 3);
    EXPECT_EQ(draft.scalar("select teamid from DraftTaken where playerid = 103"), draft.teamAt(3));
    // Position 1 is the user's: #4 is position 3's, #5 position 2's, #6 its own.
    EXPECT_EQ(draft.run({"clock", "Room"}).out,
              "Round 2 \u00b7 Pick 1 (#4) \u2014 Owner 3 on the clock \u00b7 you pick in 2\n");
    EXPECT_EQ(draft.turn(), draft.team(3) + ",Owner 3,3,D\n");

    // Only the next undo takes the pick back.
    EXPECT_EQ(draft.run({"undo", "Room"}).out, "Undid #3 F3 L3, Owner 3\n");
    EXPECT_EQ(draft.picks(), 2);
    EXPECT_EQ(draft.turn(), draft.team(3) + ",Owner 3,3,U\n");
}

TEST(CliAuction, KeepersPicksMoneyMovesAndExport) {
    CliRoom draft(2, kDraftTypeAuction);
    draft.setMoney(100, 1);
    ASSERT_EQ(
        draft.run({"keeper", "Room", "101", "--team", draft.team(2), "--dollars", "25"}).status, 0);
    const CliRun taken = draft.run({"pick", "Room", "101", "--dollars", "5"});
    EXPECT_EQ(taken.status, 1);
    EXPECT_NE(taken.err.find("Player Already Selected"), std::string::npos);

    EXPECT_EQ(draft.run({"pick", "Room", "102", "--dollars", "abc"}).status, 1);
    EXPECT_EQ(draft.run({"pick", "Room", "102", "--team", "999", "--dollars", "1"}).status, 2);
    EXPECT_EQ(draft.run({"pick", "Room", "102", "--pos", "QB", "--dollars", "1"}).status, 2);
    EXPECT_EQ(draft.picks(), 1);
    // Without --team the buyer is the team whose turn it is to nominate: team 1 first.
    ASSERT_EQ(draft.run({"pick", "Room", "102", "--dollars", "10"}).status, 0);
    EXPECT_EQ(draft.scalar("select teamid from DraftTaken where playerid = 102"),
              std::stod(draft.team(1)));
    // 90 would leave team 1 no money for its last slot: 10 + 90 + (3 - 1 - 1) x 1 > 100.
    EXPECT_EQ(draft.run({"pick", "Room", "103", "--team", draft.team(1), "--dollars", "90"}).status,
              1);
    ASSERT_EQ(draft.run({"pick", "Room", "103", "--team", draft.team(1), "--dollars", "89"}).status,
              0);

    EXPECT_EQ(draft.run({"money", "Room"}).out,
              "Owner - Amt (Max)\nOwner 1 - $1 (1)\nOwner 2 - $75 (74)\n");
    EXPECT_EQ(draft.run({"turn", "Room"}).out,
              "teamid,teamname,draftposition,draftdirection\n" + draft.team(1) + ",Owner 1,1,U\n");

    ASSERT_EQ(draft.run({"move", "Room", "102", "--team", draft.team(2), "--pos", "F"}).status, 0);
    EXPECT_EQ(draft.run({"money", "Room"}).out,
              "Owner - Amt (Max)\nOwner 1 - $11 (10)\nOwner 2 - $65 (65)\n");

    ASSERT_EQ(draft.run({"undo", "Room"}).status, 0);  // pick 2, whoever made it
    EXPECT_EQ(draft.run({"log", "Room"}).out, "Ord,Name,Pos,Team,$\n1,F2 L2,F,Owner 2,10\n");

    EXPECT_EQ(draft.run({"remove-keeper", "Room", "101"}).status, 1);
    ASSERT_EQ(draft.run({"remove-keeper", "Room", "101"}, true).status, 0);
    ASSERT_EQ(draft.run({"drop", "Room", "102"}).status, 0);
    EXPECT_EQ(draft.picks(), 0);

    const CliRun added = draft.run({"add-player", "--first", "Joe, Jr.", "--last", "Doe", "--pos",
                                    "PG", "--nba-team", "NYK", "--draft", "Room", "--team",
                                    draft.team(1), "--dollars", "2"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "20000\n1\n");
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where playerid = 20000 and pos = 'G'"),
              1);

    ASSERT_EQ(draft.run({"export", "Room", "--kind", "draft", "--dir", draft.folder.str()}).status,
              0);
    std::ifstream file(draft.folder.path() / "quorvane_draft_order.csv", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(),
              "Team Name,First Name,Last Name,Position,Team,Order,Dollars\r\n"
              "Owner 1,\"Joe, Jr.\",Doe,G,NYK,1,2\r\n");
    EXPECT_EQ(draft.run({"export", "Room", "--kind", "nothing", "--dir", "."}).status, 2);
}

TEST(CliNotesAndFlags, AreStoredAndShown) {
    CliRoom draft(2, kDraftTypeSnake);
    ASSERT_EQ(draft.run({"draft-notes", "Room", "watch the 'bigs'"}).status, 0);
    EXPECT_EQ(draft.run({"draft-notes", "Room"}).out, "watch the 'bigs'\n");
    ASSERT_EQ(draft.run({"flag", "101", "upside"}).status, 0);
    EXPECT_EQ(draft.run({"flag", "101", "great"}).status, 2);
    ASSERT_EQ(draft.run({"note", "101", "hurt, back soon"}).status, 0);
    const CliRun players = draft.run({"players", "Room", "--sort", "name"});
    // The rank between flag and name is the valuation's; the rest is fixed.
    const auto row = players.out.find("\n101,3,");
    ASSERT_NE(row, std::string::npos) << players.out;
    EXPECT_NE(players.out.find(",\"L1, F1\",BOS,G,70,", row), std::string::npos);
    EXPECT_NE(players.out.find(",\"hurt, back soon\"\n"), std::string::npos);
    const CliRun research = draft.run({"research", "Room", "--available", "--sort", "name"});
    ASSERT_EQ(research.status, 0);
    EXPECT_EQ(research.out.substr(0, research.out.find('\n')),
              "playerid,DV,RK,Name,Age,Team,Pos,GP,PTS,AST,STL,BLK,TO,ORB,DRB,REB,FGP,FTP,3PTM,"
              "3PCT");
    EXPECT_EQ(draft.run({"research", "Room"}).status, 2);
}

TEST(CliWatchList, MarksListsAndUnmarksPlayersOfOneDraft) {
    CliRoom draft(2, kDraftTypeSnake);
    EXPECT_EQ(draft.run({"watch", "Room"}).out, "playerid,Name,Team,Pos,RK,Avail,Taken\n");
    ASSERT_EQ(draft.run({"watch", "Room", "104"}).status, 0);
    ASSERT_EQ(draft.run({"watch", "Room", "102"}).status, 0);
    // Marking twice changes nothing.
    ASSERT_EQ(draft.run({"watch", "Room", "104"}).status, 0);
    ASSERT_EQ(draft.run({"pick", "Room", "102", "--team", draft.team(2)}).status, 0);
    // In the order marked; the player another team took names it.
    const std::string listed = draft.run({"watch", "Room"}).out;
    EXPECT_NE(listed.find("\n104,F4 L4,BOS,G,"), std::string::npos) << listed;
    EXPECT_NE(listed.find(",,\n102,F2 L2,BOS,G,"), std::string::npos) << listed;
    EXPECT_NE(listed.find(",,Owner 2\n"), std::string::npos) << listed;
    EXPECT_LT(listed.find("\n104,"), listed.find("\n102,"));
    ASSERT_EQ(draft.run({"watch", "Room", "104", "--remove"}).status, 0);
    EXPECT_EQ(draft.run({"watch", "Room"}).out.find("\n104,"), std::string::npos);
    // Watching belongs to a draft: another draft's list is its own.
    draft.newDraft("Other", 2, false, true);
    EXPECT_EQ(draft.run({"watch", "Other"}).out, "playerid,Name,Team,Pos,RK,Avail,Taken\n");
    EXPECT_EQ(draft.run({"watch", "Room", "--remove"}).status, 2);
    EXPECT_EQ(draft.run({"watch", "Room", "abc"}).status, 2);
    const CliRun unknown = draft.run({"watch", "Room", "999"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("No player with the id 999"), std::string::npos);
}

TEST(CliMyTeam, PrintsTheRosterBySlotWithOpenSlots) {
    CliRoom draft(2, kDraftTypeSnake);
    draft.exec("update DraftTeams set owner = iif(draftposition = 2, 1, 0)");
    ASSERT_EQ(draft.run({"pick", "Room", "101"}).status, 0);  // Owner 1
    ASSERT_EQ(draft.run({"pick", "Room", "103"}).status, 0);  // Owner 2, a centre
    // Slots C, G, F, R (setRoster 1, 1, .., f 1, .., r 0): the user's centre is the second pick.
    EXPECT_EQ(draft.run({"my-team", "Room"}).out,
              "slot,playerid,name,pos,pick\nG,,,,\nF,,,,\nC,103,F3 L3,C,1.2.2\n");
    EXPECT_EQ(
        draft.run({"my-team", "Room", "--team", draft.team(1)}).out.find("G,101,F1 L1,G,1.1.1"),
        std::string("slot,playerid,name,pos,pick\n").size());
    const CliRun places = draft.run({"my-team", "Room", "--places"});
    ASSERT_EQ(places.status, 0) << places.err;
    EXPECT_EQ(places.out.substr(0, places.out.find('\n')), "symbol,place,tied");
    EXPECT_NE(places.out.find("\nTotal,"), std::string::npos);
    EXPECT_EQ(draft.run({"my-team", "Room", "--team", "999"}).status, 2);
}

}  // namespace
}  // namespace quorvane::test
