// SPDX-License-Identifier: MIT
// The valuation runs return their failures for the front end to show; they show nothing.
#include <gtest/gtest.h>

#include "LeagueFixture.h"
#include "model/DraftModelLoader.h"
#include "teamadvice/ValuationFigureReader.h"
#include "valuation/CategoryTargets.h"
#include "valuation/DollarValues.h"
#include "valuation/HeadToHeadValues.h"
#include "valuation/Ranks.h"
#include "valuation/SgpDenominators.h"
#include "vocabulary/DatabaseMessages.h"

namespace quorvane::test {

namespace {

// Two teams, points and field-goal percentage, one drafted player.
League twoCategoryLeague(TestProgram& program) {
    League league(program, 2, kDraftTypeAuction, kScoringRotisserie);
    league.categories({{1, 1}, {15, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 13, .fgm = 7, .fga = 17})
        .player({.playerid = 2, .lastname = "B", .ftm = 5, .fgm = 3, .fga = 11});
    league.load();
    return league;
}

}  // namespace

TEST(ValuationFailures, WithoutAnOpenDraftEveryRunEndsWithoutAWordOrALine) {
    TestProgram program;
    const std::size_t lines = program.logLines().size();
    for (const Outcome<Done>& run :
         {calcDollarValues(program.state, true), calcRanks(program.state, false),
          calcRoomValues(program.state, false), calcHeadToHeadValues(program.state)}) {
        ASSERT_FALSE(run);
        EXPECT_TRUE(run.failure().message.text.empty());
        EXPECT_TRUE(run.failure().logLine.empty());
    }
    EXPECT_FALSE(showCategoryTargets(program.state, false));
    EXPECT_EQ(program.logLines().size(), lines);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(ValuationFailures, ARefusedTargetComesBackNamingTheCategoryAndWritesNothing) {
    TestProgram program;
    twoCategoryLeague(program);
    ASSERT_TRUE(showCategoryTargets(program.state, false));
    const std::size_t lines = program.logLines().size();

    const Outcome<TargetPanel> saved = saveCategoryTargets(program.state, false, {"12.5", "1.25"});

    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().kind, WriteFailure::Kind::Refused);
    EXPECT_EQ(saved.failure().message,
              (Message{"Invalid Target", "Target is not valid for: FGP (a target lies from 0 to 1)",
                       MessageIcon::Exclamation}));
    EXPECT_EQ(program.logLines().size(), lines);
    EXPECT_EQ(program.scalar("select count(*) from draftTargets"), 0);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(ValuationFailures, TheStartupCorrectionReturnsEachFailedWriteInItsOrder) {
    TestProgram program;
    program.exec("drop table category");

    const std::vector<WriteFailure> failures =
        fixSgpDenominators(program.state.dbConnection, "13.0.2");

    ASSERT_EQ(failures.size(), 2u);
    for (const WriteFailure& failure : failures) {
        EXPECT_EQ(failure.message.title, kDatabaseErrorTitle);
        EXPECT_EQ(failure.message.text, kDatabaseUpdateMessage);
        EXPECT_EQ(failure.logLine, " 60005 error: could not edit sgp");
    }
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_TRUE(fixSgpDenominators(program.state.dbConnection, "14.0.0").empty());
}

TEST(ValuationFailures, UnreadableDenominatorsFailTheFiguresWithTheAccessMessageAndBothLines) {
    TestProgram program;
    twoCategoryLeague(program);
    const Outcome<const DraftModel*> model = currentDraftModel(program.state);
    ASSERT_TRUE(model && model.value() != nullptr);
    program.exec("alter table category rename to category_gone");

    const Outcome<ValuationFigures> figures =
        readValuationFigures(program.state, false, *model.value(), 1);

    ASSERT_FALSE(figures);
    EXPECT_EQ(figures.failure().message.text, kDatabaseAccessMessage);
    EXPECT_EQ(figures.failure().logLine, " 91004 error: could not read the valuation figures");
    const std::vector<std::string> lines = program.logLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[lines.size() - 2].find(" 60006 error: could not access database"),
              std::string::npos);
    EXPECT_NE(lines.back().find(" 91004 error: could not read the valuation figures"),
              std::string::npos);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

}  // namespace quorvane::test
