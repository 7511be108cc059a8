// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"

namespace quorvane {
namespace {

using test::CliRunner;

TEST(CliDrafts, NewDraftIsListedShownAndItsDuplicateRefused) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init", "--empty"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(cli.folder().path() / "players2019.db"));

    const auto created =
        cli.run({"new-draft", "O'Neil League", "--teams", "12", "--draft", "--points"});
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out, "1\n");

    const auto duplicate =
        cli.run({"new-draft", "o'neil league", "--teams", "12", "--draft", "--points"});
    EXPECT_EQ(duplicate.status, 1);
    EXPECT_EQ(duplicate.err, "Invalid Draft Name: A draft with that name already exists\n");
    EXPECT_EQ(duplicate.out, "");

    cli.run({"new-draft", "Smith, Jones & Co", "--teams", "8", "--auction", "--rotisserie"});
    EXPECT_EQ(
        cli.run({"drafts"}).out,
        "template_id,template_name,practice_of\n1,O'Neil League,\n2,\"Smith, Jones & Co\",\n");

    const auto shown = cli.run({"show-draft", "O'NEIL LEAGUE"}).outLines();
    ASSERT_GE(shown.size(), 20u);
    EXPECT_EQ(shown[0], "template_id=1");
    EXPECT_EQ(shown[1], "template_name=O'Neil League");
    EXPECT_EQ(shown[2], "teams=12");
    EXPECT_EQ(shown[8], "draftdirection=U");
    EXPECT_EQ(shown[18],
              "categories=1:0.5,2:2,28:3,3:3,5:1.5,20:-0.45,19:1,22:-0.75,21:1,16:3,9:-2");
    EXPECT_EQ(shown[19].rfind("draftTeams=1:Owner 1:1:1:1,2:Owner 2:2:0:0,", 0), 0u);
}

TEST(CliDrafts, WrongUsageExitsWithTwo) {
    CliRunner cli;
    EXPECT_EQ(cli.run({}).status, 2);
    EXPECT_EQ(cli.run({"new-draft", "X", "--teams", "12", "--draft"}).status, 2);
    EXPECT_EQ(cli.run({"new-draft", "X", "--teams", "31", "--draft", "--points"}).status, 2);
    EXPECT_EQ(
        cli.run({"new-draft", "X", "--teams", "12", "--draft", "--auction", "--points"}).status, 2);
    EXPECT_EQ(cli.run({"show-draft", "no such draft"}).status, 1);
}

TEST(CliSetup, EveryValidationMessageAppearsForItsInput) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"new-draft", "League", "--teams", "3", "--draft", "--points"}).status, 0);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--style", "none"}, "Please select a scoring style before saving."},
        {{"--type", "none"}, "Please select a draft/auction style before saving."},
        {{"--rounds", "0"}, "The number of rounds is invalid."},
        {{"--rounds", "36"}, "The number of rounds is invalid."},  // the list ends at 35
        {{"--type", "auction", "--cap", "-1"}, "The salary cap is invalid."},
        // Each of these gave an auction a $0 cap.
        {{"--type", "auction", "--cap", "-0"}, "The salary cap is invalid."},
        {{"--type", "auction", "--cap", "0.5"}, "The salary cap is invalid."},
        {{"--type", "auction", "--cap", "1e-300"}, "The salary cap is invalid."},
        {{"--type", "auction", "--cap", "0"}, "The salary cap is invalid."},
        {{"--type", "auction", "--cap", "260.5"}, "The salary cap is invalid."},
        {{"--type", "auction", "--minbid", "x"}, "The minimum bid value is invalid."},
        {{"--slots", "C=11"}, "The roster requirement for C is invalid."},
        {{"--slots", "G=11"}, "The roster requirement for ANY G is invalid."},
        {{"--slots", "PG=11"}, "The roster requirement for PG is invalid."},
        {{"--slots", "SG=11"}, "The roster requirement for SG is invalid."},
        {{"--slots", "F=11"}, "The roster requirement for ANY F is invalid."},
        {{"--slots", "PF=11"}, "The roster requirement for PF is invalid."},
        {{"--slots", "SF=11"}, "The roster requirement for SF is invalid."},
        {{"--slots", "UT=13"}, "The roster requirement for UTIL is invalid."},
        {{"--slots", "R=11"}, "The roster requirement for RES is invalid."},
        {{"--slots", "C=0,G=0,PG=0,SG=0,F=0,PF=0,SF=0,UT=0,R=0"},
         "You must require at least one position on your roster."},
        {{"--categories", "1:abc"}, "Invalid point value for category: Points"},
        {{"--categories", ","}, "You must have at least one category"},
        {{"--team-name", "2="}, "All teams must have a name."},
        {{"--team-order", "2=two"}, "Draft order is invalid"},
        {{"--team-order", "1=2"}, "Draft order is invalid"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> arguments = {"setup", "League"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const auto run = cli.run(arguments);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.err, "Invalid Data: " + message + "\n");
    }
    EXPECT_EQ(cli.run({"show-draft", "1"}).outLines()[2], "teams=3");
}

TEST(CliSetup, SavesWhatIsGivenAndKeepsTheRest) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"new-draft", "League", "--teams", "3", "--draft", "--points"}).status, 0);
    const auto saved = cli.run(
        {"setup",        "1",           "--type",       "auction", "--cap",        "260",
         "--minbid",     "0.5",         "--rounds",     "14",      "--slots",      "C=1,UT=3",
         "--team-name",  "2=Jo's Team", "--team-order", "1=3",     "--team-order", "3=1",
         "--mine",       "2",           "--add-team",   "Late:4",  "--style",      "rotisserie",
         "--categories", "15,14,16"});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const auto shown = cli.run({"show-draft", "1"}).outLines();
    EXPECT_EQ(shown[2], "teams=4");
    EXPECT_EQ(shown[3], "dollars=260");
    EXPECT_EQ(shown[4], "roundsIndex=13");
    EXPECT_EQ(shown[5], "drafttype=0");
    EXPECT_EQ(shown[6], "scoringstyle=0");
    EXPECT_EQ(shown[7], "minbid=0.5");
    EXPECT_EQ(shown[9], "C=1");
    EXPECT_EQ(shown[17], "R=3");
    EXPECT_EQ(shown[18], "categories=14:0,15:0,16:0");
    EXPECT_EQ(shown[19],
              "draftTeams=3:Owner 3:1:0:1,2:Jo's Team:2:1:0,1:Owner 1:3:0:0,4:Late:4:0:0");
}

TEST(CliSetup, DeletingATeamAsksFirst) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"new-draft", "League", "--teams", "3", "--draft", "--points"}).status, 0);
    const auto refused = cli.run({"setup", "1", "--delete-team", "2"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Delete Team?: Deleting this team"), std::string::npos);
    EXPECT_EQ(cli.run({"setup", "1", "--delete-team", "1"}).err,
              "Cannot Delete Your Team: You cannot delete your team from the draft.  If you want "
              "to delete this team then you must first select another team as \"Mine\".\n");
    ASSERT_EQ(cli.run({"--yes", "setup", "1", "--delete-team", "2"}).status, 0);
    EXPECT_EQ(cli.run({"setup", "1", "--team-order", "3=2"}).status, 0);
    EXPECT_EQ(cli.run({"show-draft", "1"}).outLines()[19],
              "draftTeams=1:Owner 1:1:1:1,3:Owner 3:2:0:0");
}

}  // namespace
}  // namespace quorvane
