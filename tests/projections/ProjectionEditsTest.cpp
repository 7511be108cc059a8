// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ProjectionFiles.h"
#include "projections/ProjectionEdits.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"

namespace quorvane::test {
namespace {

// Two players of 2019 (one of them also in 2018) and one with a position no button lists.
void loadPlayers(TestProgram& program) {
    const std::string text =
        joinLines({kHeader, projectionLine(10, 2019, "Zed", "Adams", 70, "C", "OKC"),
                   projectionLine(11, 2019, "Amy", "Baker", 60, "G", "BOS"),
                   projectionLine(12, 2019, "Cal", "Adams", 50, "F", "LAL"),
                   projectionLine(13, 2019, "Dee", "Odd", 40, "PF", "NYK"),
                   projectionLine(10, 2018, "Zed", "Adams", 80, "C", "OKC")},
                  "\n");
    ASSERT_TRUE(importProjectionText(program.state, program.dialogs, text));
}

std::vector<std::string> statTexts(const PlayerProjection& player) {
    std::vector<std::string> texts;
    for (const long long value : player.stats) {
        texts.push_back(std::to_string(value));
    }
    return texts;
}

TEST(ProjectionEditList, PositionButtonsFilterTheProjectionSeason) {
    TestProgram program;
    loadPlayers(program);
    const auto all = listProjectionPlayers(program.state, program.dialogs, 0);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->rows.size(), 3U);  // "PF" is listed by no button
    EXPECT_EQ(all->headings[1], "Name");
    EXPECT_EQ(all->headings[9], "3PTA");
    EXPECT_EQ(all->headings[16], "TO");
    EXPECT_EQ(all->rows[0][1], "Adams, Cal");
    EXPECT_EQ(all->rows[1][1], "Adams, Zed");
    EXPECT_EQ(all->rows[1][4], "70");  // GP of the projection season, not 2018's 80
    EXPECT_EQ(all->rows[2][1], "Baker, Amy");
    const auto centres = listProjectionPlayers(program.state, program.dialogs, 1);
    ASSERT_EQ(centres->rows.size(), 1U);
    EXPECT_EQ(centres->rows[0][0], "10");
    EXPECT_EQ(listProjectionPlayers(program.state, program.dialogs, 2)->rows.size(), 1U);
    EXPECT_EQ(listProjectionPlayers(program.state, program.dialogs, 3)->rows.size(), 1U);
}

TEST(ProjectionEditRule, RefusesTheFirstFigureThatIsNotAWholeNumberUpTo7000) {
    PlayerProjection player;
    player.playerid = 10;
    const std::vector<std::string> valid(kEditStatCount, "0");
    const std::vector<std::pair<std::size_t, std::string>> refused = {
        {0, "7000.5"}, {0, "-1"}, {0, ""}, {14, "abc"}, {5, "7001"}, {9, "1e9"}, {3, "12abc"}};
    for (const auto& [index, text] : refused) {
        auto texts = valid;
        texts[index] = text;
        const Decision decision = decideProjectionEdit(typedProjectionEdit(player, texts));
        ASSERT_TRUE(decision.refused()) << text;
        EXPECT_EQ(decision.refusal->title, "Invalid Projection");
        EXPECT_EQ(decision.refusal->text,
                  std::string("Projection for ") + kEditStatHeadings[index] + " is not valid")
            << text;
    }
    // Of two bad figures the first in grid order is named; a short list lacks the rest.
    auto texts = valid;
    texts[7] = "-3";
    texts[2] = "2.5";
    EXPECT_EQ(decideProjectionEdit(typedProjectionEdit(player, texts)).refusal->text,
              std::string("Projection for ") + kEditStatHeadings[2] + " is not valid");
    EXPECT_EQ(decideProjectionEdit(typedProjectionEdit(player, {"1", "2"})).refusal->text,
              std::string("Projection for ") + kEditStatHeadings[2] + " is not valid");
    texts = valid;
    texts[0] = "7000";
    texts[14] = "6999";
    EXPECT_TRUE(decideProjectionEdit(typedProjectionEdit(player, texts)).goes());
}

TEST(ProjectionEditor, ARefusedEditWritesNothingAndAWholeFigureUpTo7000IsStored) {
    TestProgram program;
    loadPlayers(program);
    const auto player = loadPlayerProjection(program.state, program.dialogs, 10);
    ASSERT_TRUE(player);
    EXPECT_FALSE(player->hasEdit);
    EXPECT_EQ(player->playername, "Zed Adams");
    auto refused = statTexts(*player);
    refused[5] = "7001";
    EXPECT_FALSE(saveProjectionEdit(program.state, program.dialogs, *player, refused));
    EXPECT_EQ(program.dialogs.messages.back().title, "Invalid Projection");
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits"), 0);
    auto texts = statTexts(*player);
    texts[0] = "7000";
    EXPECT_TRUE(saveProjectionEdit(program.state, program.dialogs, *player, texts));
    EXPECT_EQ(program.scalar("select games from DraftPlayers where playerid = 10 and "
                             "yearofprojection = 2019"),
              7000);
}

// Grid order: GP, FGA, FGM, FTA, FTM, 3PTA, 3PTM; the player has 900 FGA, 100 FTA, 300 3PTA.
TEST(ProjectionEditRule, MoreMadeThanAttemptedIsRefusedNamingBoth) {
    PlayerProjection player;
    player.playerid = 10;
    std::vector<std::string> valid(kEditStatCount, "0");
    valid[1] = "900";
    valid[3] = "100";
    valid[5] = "300";
    const std::vector<std::pair<std::size_t, std::string>> refused = {
        {2, "901"}, {4, "101"}, {6, "301"}};
    const std::vector<std::string> messages = {
        "Projection for FGM is not valid: 901 made is more than the 900 FGA",
        "Projection for FTM is not valid: 101 made is more than the 100 FTA",
        "Projection for 3PTM is not valid: 301 made is more than the 300 3PTA"};
    for (std::size_t i = 0; i < refused.size(); ++i) {
        auto texts = valid;
        texts[refused[i].first] = refused[i].second;
        const Decision decision = decideProjectionEdit(typedProjectionEdit(player, texts));
        ASSERT_TRUE(decision.refused()) << messages[i];
        EXPECT_EQ(decision.refusal->title, "Invalid Projection");
        EXPECT_EQ(decision.refusal->text, messages[i]);
    }
    // A figure that is no whole number is named before any made count.
    auto texts = valid;
    texts[2] = "901";
    texts[9] = "-1";
    EXPECT_EQ(decideProjectionEdit(typedProjectionEdit(player, texts)).refusal->text,
              std::string("Projection for ") + kEditStatHeadings[9] + " is not valid");
    texts = valid;
    texts[2] = "900";  // as many made as attempted
    EXPECT_TRUE(decideProjectionEdit(typedProjectionEdit(player, texts)).goes());
}

TEST(ProjectionEditor, SavingAgainReplacesTheEditAndLeavesLastSeasonAlone) {
    TestProgram program;
    loadPlayers(program);
    auto player = loadPlayerProjection(program.state, program.dialogs, 10);
    auto texts = statTexts(*player);
    texts[1] = "1111";  // FGA
    ASSERT_TRUE(saveProjectionEdit(program.state, program.dialogs, *player, texts));
    player = loadPlayerProjection(program.state, program.dialogs, 10);
    EXPECT_TRUE(player->hasEdit);
    EXPECT_EQ(player->stats[1], 1111);
    texts[1] = "1222";
    texts[13] = "9";  // DD
    ASSERT_TRUE(saveProjectionEdit(program.state, program.dialogs, *player, texts));
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits"), 1);
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits where playerid = 10 and "
                             "FGA = 1222 and doubledouble = 9 and pos = 'C' and team = 'OKC'"),
              1);
    EXPECT_EQ(program.scalar("select fga from DraftPlayers where playerid = 10 and "
                             "yearofprojection = 2019"),
              1222);
    EXPECT_EQ(program.scalar("select fga from DraftPlayers where playerid = 10 and "
                             "yearofprojection = 2018"),
              900);
}

TEST(ProjectionEditor, FailedUpdateLeavesNoEditBehind) {
    TestProgram program;
    loadPlayers(program);
    const auto player = loadPlayerProjection(program.state, program.dialogs, 11);
    program.exec(
        "create trigger refuse before update on DraftPlayers "
        "begin select raise(abort, 'refused'); end");
    EXPECT_FALSE(saveProjectionEdit(program.state, program.dialogs, *player, statTexts(*player)));
    EXPECT_EQ(program.dialogs.messages.back().title, "Error");
    EXPECT_EQ(program.dialogs.messages.back().text,
              "Err 1506: Could not edit stats. If the problem persists please contact customer "
              "support.");
    EXPECT_NE(program.logLines().back().find(": Error 88803 - Could not update stats: update "),
              std::string::npos);
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits"), 0);
}

TEST(ProjectionEditor, ClearingForgetsEditsButKeepsTheFigures) {
    TestProgram program;
    loadPlayers(program);
    for (const int id : {10, 11}) {
        const auto player = loadPlayerProjection(program.state, program.dialogs, id);
        auto texts = statTexts(*player);
        texts[0] = "5";
        ASSERT_TRUE(saveProjectionEdit(program.state, program.dialogs, *player, texts));
    }
    ASSERT_TRUE(clearProjectionEdits(program.state, program.dialogs, 10));
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits"), 1);
    ASSERT_TRUE(clearAllProjectionEdits(program.state, program.dialogs));
    EXPECT_EQ(program.scalar("select count(*) from ProjectionEdits"), 0);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where games = 5"), 2);
    EXPECT_NE(clearEditsMessage("Zed Adams")
                  .find("\r\nDo you want to clear the projection edits "
                        "for Zed Adams?"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvane::test
