// SPDX-License-Identifier: MIT
// A session opened with nobody to tell: what the opening would have shown comes back.
#include <gtest/gtest.h>

#include "model/DraftSession.h"
#include "session/CommandSession.h"
#include "store/RowReader.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

using test::TestProgram;

TEST(SessionOpening, ASessionAloneOpensCorrectsAndLoadsAndAMissingDraftIsToldBackNotShown) {
    TestProgram program;
    program.newDraft("Tuesday Night", 5, true, false);
    program.exec("update category set sgp_denominator = 7 where categoryid in (14, 15)");

    DraftSession session;
    const SessionOpening store = openCommandStore(session, program.folder.str(), "13.0.2");
    ASSERT_TRUE(store.opened) << store.firstText("");
    EXPECT_TRUE(store.told.empty());
    // The correction of an older version ran on the session's own connection, which it keeps.
    ASSERT_TRUE(session.dbConnection.isOpen());
    EXPECT_EQ(program.scalar("select sgp_denominator from category where categoryid = 15"), 0.002);
    EXPECT_EQ(program.scalar("select sgp_denominator from category where categoryid = 14"), 0.005);

    const SessionOpening missing = openDraftByIdOrName(session, "Wednesday");
    EXPECT_FALSE(missing.opened);
    ASSERT_EQ(missing.told.size(), 1u);
    EXPECT_EQ(missing.told[0].title, "Error");
    EXPECT_EQ(missing.told[0].text, "No draft with the id or name \"Wednesday\"");
    EXPECT_EQ(missing.told[0].icon, MessageIcon::Critical);
    EXPECT_EQ(missing.firstText("otherwise"), "No draft with the id or name \"Wednesday\"");

    const SessionOpening found = openDraftByIdOrName(session, "Tuesday Night");
    ASSERT_TRUE(found.opened);
    EXPECT_EQ(found.firstText("nothing told"), "nothing told");
    ASSERT_TRUE(session.hasDraft());
    EXPECT_EQ(session.draftSettings()->template_name, "Tuesday Night");
    EXPECT_EQ(session.draftSettings()->teams, 5);
}

}  // namespace
}  // namespace quorvane
