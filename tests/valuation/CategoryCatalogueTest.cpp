// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>

#include "session/ValuationConversation.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"
#include "valuation/CategoryFormat.h"
#include "valuation/SgpDenominators.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(CategoryCatalogue, AgreesWithTheStoredCategoriesAndTheSetupBoxes) {
    TestProgram program;
    EXPECT_EQ(categoryCatalogue().size(), 27u);
    for (const CategoryDefinition& category : categoryCatalogue()) {
        EXPECT_EQ(readScalar<std::string>(program.state.dbConnection,
                                          "select symbol from category where categoryid = ?",
                                          {SqlValue{std::int64_t{category.categoryid}}}),
                  category.heading)
            << category.categoryid;
    }
    const std::set<int> boxes(kSetupCategoryBoxes.begin(), kSetupCategoryBoxes.end());
    EXPECT_EQ(boxes.size(), 27u);
    for (int id : boxes) {
        EXPECT_NE(findCategory(id), nullptr) << id;
    }
}

TEST(CategoryCatalogue, LabelsAreEmptyOutsideTheCatalogue) {
    EXPECT_EQ(categoryLabel(8), "Assists/TO");
    EXPECT_EQ(categoryLabel(24), "Triple-Doubles");
    EXPECT_EQ(categoryLabel(0), "");
    EXPECT_EQ(categoryLabel(12), "");
    EXPECT_EQ(categoryLabel(32), "");
}

TEST(CategoryFormat, ShowsRatiosWithTheirDecimals) {
    EXPECT_EQ(formatCategoryValue("fgp", 0.4567f), ".457");
    EXPECT_EQ(formatCategoryValue("3PCT", 0.0f), ".000");
    EXPECT_EQ(formatCategoryValue("PPG", 7.0f), "7.00");
    EXPECT_EQ(formatCategoryValue("apg", 0.5f), "0.50");
    EXPECT_EQ(formatCategoryValue("PTS", 1520.0f), "1520");
    EXPECT_EQ(formatCategoryValue("REB", 1234.5f), "1234.5");
    EXPECT_EQ(formatCategoryValue("TOTAL", 80.0f), "80");
}

TEST(SgpDenominators, LoadedByCategoryIdWithRoomForTheLargest) {
    TestProgram program;
    program.state.replaceSgpDenominators(std::vector<SgpDenominator>(3));
    ASSERT_TRUE(loadSgpDenominators(program.state));
    ASSERT_EQ(program.state.sgpDenominators().size(), 33u);
    EXPECT_EQ(program.state.sgpDenominators()[1].sgp_denominator, 290.0);
    EXPECT_EQ(program.state.sgpDenominators()[9].sgp_denominator, -51.0);
    for (int empty : {0, 10, 11, 12, 13, 32}) {
        EXPECT_EQ(program.state.sgpDenominators()[static_cast<std::size_t>(empty)].sgp_denominator,
                  0.0)
            << empty;
    }
}

TEST(SgpDenominators, StartupCorrectionDependsOnTheVersion) {
    TestProgram program;
    program.exec("update category set sgp_denominator = 1 where categoryid in (14, 15)");
    program.state.appVersion = "14.0.0";
    fixSgpDenominators(program.state, program.dialogs);
    EXPECT_EQ(program.scalar("select sum(sgp_denominator) from category where categoryid in (14, "
                             "15)"),
              2.0);
    program.state.appVersion = "13.0.2";
    fixSgpDenominators(program.state, program.dialogs);
    EXPECT_EQ(program.scalar("select sgp_denominator from category where categoryid = 14"), 0.005);
    EXPECT_EQ(program.scalar("select sgp_denominator from category where categoryid = 15"), 0.002);
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST(SgpDenominators, AFailedCorrectionIsReportedForEachStatement) {
    TestProgram program;
    program.exec("drop table category");
    fixSgpDenominators(program.state, program.dialogs);
    ASSERT_EQ(program.dialogs.messages.size(), 2u);
    EXPECT_EQ(program.dialogs.messages[0].text,
              "An error occured updating database. If this continues then please contact "
              "customer support.");
    // Each update's own line (after the failed look at the stored figure), then the number.
    const auto lines = program.logLines();
    ASSERT_EQ(lines.size(), 6u);
    for (const std::size_t numbered : {2u, 5u}) {
        EXPECT_NE(lines[numbered - 1].find("update category set sgp_denominator"),
                  std::string::npos);
        EXPECT_NE(lines[numbered].find(" 60005 error: could not edit sgp"), std::string::npos);
    }
}

TEST(SgpDenominators, ACorrectFileIsNotWrittenAtStartup) {
    TestProgram program;
    const double before = program.scalar("select total_changes()");
    fixSgpDenominators(program.state, program.dialogs);
    EXPECT_EQ(program.scalar("select total_changes()"), before);
}

}  // namespace
}  // namespace quorvane
