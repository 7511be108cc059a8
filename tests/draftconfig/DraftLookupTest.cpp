// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "draftconfig/DraftLookup.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(DraftLookup, AWholeNumberNamesTheDraftOfThatIdBeforeADraftOfThatName) {
    TestProgram program;
    const int home = program.newDraft("Home League", 10, false, true);
    // A draft may be called by a number: "1" is still the draft whose id is 1.
    const int named = program.newDraft(std::to_string(home), 8, true, true);
    ASSERT_NE(home, named);
    const DraftLookup found = findDraftByIdOrName(program.state.dbConnection, std::to_string(home));
    EXPECT_EQ(found.templateId, home);
    EXPECT_TRUE(found.problem.empty());
}

TEST(DraftLookup, ANumberNoDraftHasAsIdIsTakenAsAName) {
    TestProgram program;
    program.newDraft("Home League", 10, false, true);
    const int named = program.newDraft("2027", 8, true, true);
    EXPECT_EQ(findDraftByIdOrName(program.state.dbConnection, "2027").templateId, named);
}

TEST(DraftLookup, NamesMatchWithoutCaseAndWithoutTrailingBlanks) {
    TestProgram program;
    const int home = program.newDraft("Home League", 10, false, true);
    EXPECT_EQ(findDraftByIdOrName(program.state.dbConnection, "Home League  ").templateId, home);
    // Names compare without regard to case, as the file stores them; a leading blank is kept.
    EXPECT_EQ(findDraftByIdOrName(program.state.dbConnection, "home LEAGUE").templateId, home);
    EXPECT_FALSE(findDraftByIdOrName(program.state.dbConnection, " Home League").templateId);
}

TEST(DraftLookup, AnUnknownDraftIsRefusedWithTheTextTheUserIsShown) {
    TestProgram program;
    program.newDraft("Home League", 10, false, true);
    for (const std::string& asked :
         {std::string("Away League"), std::string("99"), std::string("-1"), std::string("")}) {
        const DraftLookup found = findDraftByIdOrName(program.state.dbConnection, asked);
        EXPECT_FALSE(found.templateId) << asked;
        EXPECT_EQ(found.problem, "No draft with the id or name \"" + asked + "\"");
    }
}

}  // namespace
}  // namespace quorvane
