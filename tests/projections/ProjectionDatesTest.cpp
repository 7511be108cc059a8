// SPDX-License-Identifier: MIT
// Trailing fields, the forms a date is read in, and the newest revision by date.
#include <gtest/gtest.h>

#include "ProjectionFiles.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "store/ProjectionRow.h"

namespace quorvane::test {
namespace {

// The same line with another date of birth (field 7) and revision date (field 24).
std::string datedLine(int id, const std::string& dob, const std::string& revision) {
    std::string line = projectionLine(id, 2019, "First", "Last" + std::to_string(id));
    line.replace(line.find("1990-01-02"), 10, dob);
    line.replace(line.find("2019-10-15"), 10, revision);
    return line;
}

std::optional<ImportResult> importLines(TestProgram& program, const std::vector<std::string>& lines,
                                        const std::string& name = "p.csv") {
    const std::string path = writeFile(program.folder, name, joinLines(lines, "\r\n"));
    return importProjectionFile(program.state, program.dialogs, path);
}

TEST(ProjectionLine, EmptyFieldsAfterTheLastAreAcceptedAndTextThereIsRefused) {
    const std::string line = projectionLine(7, 2019, "A", "B");
    for (const char* tail : {",", ",,", ", ,\t"}) {
        EXPECT_TRUE(parseProjectionLine(line + tail).row) << '"' << tail << '"';
    }

    const auto shifted = parseProjectionLine(line + ",,1");
    ASSERT_FALSE(shifted.row);
    EXPECT_EQ(shifted.fault.field, 33);
    EXPECT_NE(shifted.fault.description.find("field 33 holds \"1\""), std::string::npos);

    // A comma inside the last name pushes the centre flag out to a 33rd field.
    const auto comma = parseProjectionLine(projectionLine(7, 2019, "Larry", "Nance, Jr."));
    ASSERT_FALSE(comma.row);
    EXPECT_EQ(comma.fault.field, 32);
}

TEST(ProjectionImport, TrailingCommasImportAndTextBeyondNamesLineAndField) {
    TestProgram program;
    const std::string trailing = projectionLine(1, 2019, "A", "B") + ",";
    ASSERT_TRUE(importLines(program, {kHeader + ",", trailing, trailing}))
        << program.dialogs.lastText();
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 1);

    const auto refused = importLines(
        program,
        {kHeader, projectionLine(2, 2019, "C", "D"), projectionLine(3, 2019, "E", "F") + ",,Jr."},
        "shifted.csv");
    EXPECT_FALSE(refused);
    EXPECT_NE(program.dialogs.lastText().find("Line 3 of "), std::string::npos);
    EXPECT_NE(program.dialogs.lastText().find("field 33 holds \"Jr.\""), std::string::npos);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 1);
}

TEST(ProjectionDates, AreReadInThreeFormsAndStoredAsYearMonthDay) {
    EXPECT_EQ(readDate("1996-02-29"), "1996-02-29");
    EXPECT_EQ(readDate("1996/2/29"), "1996-02-29");
    EXPECT_EQ(readDate("2/9/1996"), "1996-02-09");
    EXPECT_EQ(readDate(" 10/15/2019 "), "2019-10-15");
    EXPECT_EQ(readDate("1997/02/29"), std::nullopt);
    // Centuries are leap years only every 400 years.
    EXPECT_EQ(readDate("2000-02-29"), "2000-02-29");
    EXPECT_EQ(readDate("1900-02-29"), std::nullopt);
    EXPECT_EQ(readDate("2/29/1900"), std::nullopt);
    EXPECT_EQ(readDate("15/10/2019"), std::nullopt);
    EXPECT_EQ(readDate("2019-10"), std::nullopt);

    TestProgram program;
    ASSERT_TRUE(importLines(program, {kHeader, datedLine(1, "8/26/1989", "9/1/2019"),
                                      datedLine(2, "1994/12/06", "2019/08/30")}));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 1 and "
                             "dob = '1989-08-26' and revisiondate = '2019-09-01'"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 2 and "
                             "dob = '1994-12-06' and revisiondate = '2019-08-30'"),
              1);
}

TEST(ProjectionDates, UnreadableDateOfBirthKeepsTheStoredOne) {
    TestProgram program;
    ASSERT_TRUE(importLines(program, {kHeader, datedLine(1, "8/26/1989", "2019-10-15"),
                                      datedLine(2, "unknown", "2019-10-15")}));
    ASSERT_TRUE(importLines(
        program, {kHeader, datedLine(1, "", "2019-10-16"), datedLine(2, "n/a", "2019-10-16")}));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 1 and "
                             "dob = '1989-08-26'"),
              1);
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where playerid = 2 and "
                             "dob is null"),
              1);
    ASSERT_TRUE(importLines(program, {kHeader, datedLine(1, "1989-08-27", "2019-10-16")}));
    EXPECT_EQ(program.scalar("select count(*) from DraftPlayers where dob = '1989-08-27'"), 1);
}

TEST(ProjectionDates, RevisionIsTheNewestByDateInWhateverFormItWasStored) {
    TestProgram program;
    ASSERT_TRUE(importLines(program, {kHeader, datedLine(1, "1990-01-02", "9/1/2019"),
                                      datedLine(2, "1990-01-02", "8/30/2019")}));
    // Rows written before dates were stored one way keep the form of their file.
    program.exec("update DraftPlayers set revisiondate = '10/15/2019' where playerid = 2");
    program.exec("update DraftPlayers set revisiondate = '9/1/2019' where playerid = 1");
    EXPECT_EQ(getRevisionText(program.state, program.dialogs),
              "Projections updated through: 2019-10-15");
    program.exec("update DraftPlayers set revisiondate = '2019-11-02' where playerid = 1");
    EXPECT_EQ(getRevisionText(program.state, program.dialogs),
              "Projections updated through: 2019-11-02");
    // Without any date, the text is all there is to show.
    program.exec("update DraftPlayers set revisiondate = 'week ' || playerid");
    EXPECT_EQ(getRevisionText(program.state, program.dialogs),
              "Projections updated through: week 2");
}

}  // namespace
}  // namespace quorvane::test
