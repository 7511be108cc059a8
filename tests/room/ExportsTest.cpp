// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "RoomFixture.h"
#include "projections/Exports.h"
#include "room/CustomPlayers.h"
#include "session/CustomPlayerConversation.h"
#include "session/ProjectionConversation.h"

namespace quorvane::test {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The fields of the line that holds `text`, split at commas outside quotes.
std::vector<std::string> fieldsOfLineWith(const std::string& file, const std::string& text) {
    const auto at = file.find(text);
    if (at == std::string::npos) {
        return {};
    }
    const auto begin = file.rfind("\r\n", at) + 2;
    const std::string line = file.substr(begin, file.find("\r\n", at) - begin);
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

struct ExportRoom : RoomFixture {
    explicit ExportRoom(int drafttype) : RoomFixture(2, drafttype) {
        addPlayer({.playerid = 1,
                   .firstname = "Jr., Gary",
                   .lastname = "Trent",
                   .pos = "G",
                   .team = "POR",
                   .games = 10,
                   .fgm = 5,
                   .ftm = 2,
                   .pt3m = 1,
                   .dollars = 4.5,
                   .draftorder = 2});
        addPlayer({.playerid = 2,
                   .firstname = "Al",
                   .lastname = "Horford",
                   .pos = "C",
                   .team = "BOS",
                   .games = 60,
                   .fgm = 100,
                   .dollars = 20,
                   .draftorder = 1});
        const std::string id = std::to_string(draftId);
        exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
            "values (" +
            id + ", 1, " + std::to_string(teamAt(2)) + ", 'G', 1, 3)");
        exec(
            "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
            "values (" +
            id + ", 2, " + std::to_string(teamAt(1)) + ", 'C', 0, 25)");
    }
    // Tests export into the same folder more than once; each time the user said to replace.
    std::string run(ExportKind kind) {
        EXPECT_TRUE(runExport(state, dialogs, kind, folder.str(), true));
        return fileText(folder.path() / exportFileName(kind));
    }
};

TEST(Exports, DraftResultsInPickOrderWithKeepersFirstAndCommasQuoted) {
    ExportRoom draft(kDraftTypeAuction);
    EXPECT_EQ(draft.run(ExportKind::DraftResults),
              "Team Name,First Name,Last Name,Position,Team,Order,Dollars\r\n"
              "Owner 1,Al,Horford,C,BOS,0,25\r\n"
              "Owner 2,\"Jr., Gary\",Trent,G,POR,1,3\r\n");
    EXPECT_EQ(draft.dialogs.lastText(), "Export Complete!");

    ExportRoom snake(kDraftTypeSnake);
    EXPECT_EQ(snake.run(ExportKind::Rosters),
              "Team Name,First Name,Last Name,Position,Team,Order\r\n"
              "Owner 1,Al,Horford,C,BOS,0\r\n"
              "Owner 2,\"Jr., Gary\",Trent,G,POR,1\r\n");
}

TEST(Exports, TextASpreadsheetWouldRunAsAFormulaIsWrittenAsText) {
    ExportRoom draft(kDraftTypeAuction);
    draft.exec("update DraftTeams set teamname = '=SUM(A1:A9)' where teamid = " +
               std::to_string(draft.teamAt(1)));
    draft.exec(
        "update DraftPlayers set firstname = '+Al', lastname = '@Horford', team = '-BOS'"
        " where playerid = 2");
    draft.exec(
        "update DraftPlayers set firstname = '=HYPERLINK(\"x\",\"Gary, Jr.\")',"
        " lastname = 'Trent=', team = ' =POR' where playerid = 1");
    // Figures are no text: a negative price keeps its minus.
    draft.exec("update DraftTaken set dollars = -2.5 where playerid = 2");
    EXPECT_EQ(draft.run(ExportKind::DraftResults),
              "Team Name,First Name,Last Name,Position,Team,Order,Dollars\r\n"
              "'=SUM(A1:A9),'+Al,'@Horford,C,'-BOS,0,-2.5\r\n"
              "Owner 2,\"'=HYPERLINK(\"\"x\"\",\"\"Gary, Jr.\"\")\",Trent=,G, =POR,1,3\r\n");
    const std::string projections = draft.run(ExportKind::Projections);
    EXPECT_NE(projections.find("\r\n'+Al,'@Horford,C,'-BOS,"), std::string::npos);
}

TEST(Exports, ProjectionsCarryValueInAnAuctionAndRankOtherwiseButNoCustomPlayers) {
    ExportRoom auction(kDraftTypeAuction);
    ASSERT_TRUE(addCustomPlayer(auction.state, auction.dialogs, {"New", "Guy", "C", "BOS"}));
    std::string text = auction.run(ExportKind::Projections);
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "First Name,Last Name,Pos,Team,$,GP, MIN, PTS, FGA, FGM, FTA, FTM, pt3a, pt3m, "
              "OREB, DREB, assists, steals,blocks,turnovers, doubledouble,tripledouble");
    // The values are brought up to date first, so only the fields around them are fixed.
    const std::vector<std::string> horford = fieldsOfLineWith(text, "Horford");
    ASSERT_EQ(horford.size(), 22u);
    EXPECT_EQ(horford[0], "Al");
    EXPECT_EQ(horford[3], "BOS");
    EXPECT_EQ(horford[5], "60");
    EXPECT_EQ(horford[7], "200");
    EXPECT_NE(text.find("\"Jr., Gary\",Trent,G,POR,"), std::string::npos);
    EXPECT_EQ(fieldsOfLineWith(text, "Trent")[7], "13");  // 2 x 5 + 2 + 1 points
    EXPECT_EQ(text.find("Guy"), std::string::npos);

    ExportRoom snake(kDraftTypeSnake);
    text = snake.run(ExportKind::Projections);
    EXPECT_EQ(text.rfind("Rank,First Name,Last Name,Pos,Team,GP,", 0), 0u);
    const std::vector<std::string> ranked = fieldsOfLineWith(text, "Horford");
    ASSERT_EQ(ranked.size(), 22u);
    EXPECT_EQ(ranked[1], "Al");
    EXPECT_EQ(ranked[5], "60");
}

TEST(Exports, ExportingAgainReplacesTheFileOnlyWhenAskedAndAMissingFolderIsReported) {
    ExportRoom draft(kDraftTypeSnake);
    const std::string first = draft.run(ExportKind::DraftResults);
    draft.exec("delete from DraftTaken where draftorder = 1");
    const auto file = draft.folder.path() / exportFileName(ExportKind::DraftResults);
    EXPECT_FALSE(
        runExport(draft.state, draft.dialogs, ExportKind::DraftResults, draft.folder.str(), false));
    EXPECT_EQ(draft.dialogs.messages.back().title, "Draft/Auction");
    EXPECT_EQ(draft.dialogs.lastText(),
              file.string() + " already exists and was left as it is; --force replaces it.");
    EXPECT_EQ(fileText(file), first);
    EXPECT_EQ(draft.run(ExportKind::DraftResults),
              "Team Name,First Name,Last Name,Position,Team,Order\r\n"
              "Owner 1,Al,Horford,C,BOS,0\r\n");

    const std::string missing = draft.folder.str() + "/no/such/folder";
    EXPECT_FALSE(runExport(draft.state, draft.dialogs, ExportKind::Rosters, missing, true));
    EXPECT_EQ(draft.dialogs.messages.back().title, "Database Error");
    EXPECT_EQ(draft.dialogs.messages.back().text,
              "Could not create roster export file.  Make sure the projection file is closed. If "
              "this continues then please contact customer support.");
    EXPECT_NE(
        draft.logLines().back().find(" 25002 error: could not create export file: " + missing),
        std::string::npos);
}

TEST(Exports, NeverTakeThePlaceOfTheDatabaseOrGoThroughALink) {
    ExportRoom draft(kDraftTypeSnake);
    const std::string database = draft.state.connectionString;
    TempFolder elsewhere;
    std::filesystem::create_symlink(database,
                                    elsewhere.path() / exportFileName(ExportKind::Rosters));
    EXPECT_FALSE(runExport(draft.state, draft.dialogs, ExportKind::Rosters, elsewhere.str(), true));
    EXPECT_NE(draft.dialogs.lastText().find("is one of the draft program's own files"),
              std::string::npos);
    const auto linked = elsewhere.path() / exportFileName(ExportKind::DraftResults);
    std::ofstream(elsewhere.path() / "notes.txt") << "notes";
    std::filesystem::create_symlink(elsewhere.path() / "notes.txt", linked);
    EXPECT_FALSE(
        runExport(draft.state, draft.dialogs, ExportKind::DraftResults, elsewhere.str(), true));
    EXPECT_EQ(draft.dialogs.lastText(),
              linked.string() +
                  " is a symbolic link. Files are not written through links; give "
                  "the name of the file itself.");
    EXPECT_EQ(fileText(elsewhere.path() / "notes.txt"), "notes");
    // The league still opens: two teams, two picks.
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken"), 2.0);
}

TEST(Exports, KindsTitlesAndFileNames) {
    EXPECT_EQ(exportKindOf("hprojections"), ExportKind::Projections);
    EXPECT_EQ(exportKindOf("rosters"), std::nullopt);
    EXPECT_EQ(exportTitle(ExportKind::DraftResults), "Draft/Auction");
    EXPECT_EQ(exportFileName(ExportKind::Rosters), "quorvane_draft_rosters.csv");
}

}  // namespace
}  // namespace quorvane::test
