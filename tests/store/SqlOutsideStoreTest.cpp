// SPDX-License-Identifier: MIT
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SqlLiteralScan.h"

namespace quorvane::test {
namespace {

namespace fs = std::filesystem;

TEST(SqlLiteralScan, FindsStatementsSplitOverJoinedLiteralsAndRawStrings) {
    const std::string source =
        "auto a = \"select playerid, \"\n"
        "         \"lastname from DraftPlayers\";\n"
        "// \"delete from DraftTaken\" in a comment is no statement\n"
        "char q = '\"'; auto b = R\"(\n"
        "update draftTeams set owner = ?)\";\n";
    const std::vector<SourceLiteral> literals = stringLiteralsOf(source);
    ASSERT_EQ(literals.size(), 2u);
    EXPECT_EQ(literals[0].line, 1);
    EXPECT_EQ(literals[0].text, "select playerid, lastname from DraftPlayers");
    EXPECT_EQ(literals[1].line, 4);
    EXPECT_TRUE(holdsSql(literals[0].text));
    EXPECT_TRUE(holdsSql(literals[1].text));
}

TEST(SqlLiteralScan, EveryKindOfStatementAndClauseCounts) {
    for (const char* sql :
         {"SELECT count(*) as cnt FROM draftTemplate", "insert or replace into DraftPlayerAdp (a)",
          "insert into draftNotes (template_id, notes) values(?,'')", "delete from ProjectionEdits",
          "PRAGMA cache_size = -65536", "create table if not exists t (a)",
          " where yearofprojection = ? and playerid = ?", " order by lastname, firstname",
          ") values (?, 'P', ?)", "select max(playerid) from (select 1)", "BEGIN IMMEDIATE",
          "drop table t", "alter table t add column c"}) {
        EXPECT_TRUE(holdsSql(sql)) << sql;
    }
}

TEST(SqlLiteralScan, UserTextsAreNotStatements) {
    for (const char* text :
         {"Select File", "Select Export Destination Directory",
          "Please select a scoring style before saving.",
          "You cannot delete your team from the draft.  If you want to delete this team then you "
          "must first select another team as \"Mine\".",
          "is a web page, not a table: select the table on the page, copy it and paste it",
          ": Error 10002 - Could not insert into draftnotes: ",
          " 25001 error: could not select roster",
          "Select the directory where you want to put the export file.",
          "download the newest projections from the service and update your projections"}) {
        EXPECT_FALSE(holdsSql(text)) << text;
    }
}

// Statements belong to the repositories of the store; every other folder asks them.
TEST(SqlOutsideStore, NoSourceOutsideTheStoreHoldsSqlText) {
    const fs::path sources = fs::path(QUORVANE_SOURCE_DIR) / "src";
    const fs::path store = sources / "core" / "store";
    const auto isUnder = [](const fs::path& file, const fs::path& folder) {
        const std::string relative = file.lexically_relative(folder).generic_string();
        return !relative.empty() && !relative.starts_with("..");
    };
    std::vector<std::string> found;
    int filesRead = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(sources)) {
        const fs::path& file = entry.path();
        if (!entry.is_regular_file() || (file.extension() != ".cpp" && file.extension() != ".h") ||
            isUnder(file, store)) {
            continue;
        }
        std::ifstream input(file, std::ios::binary);
        std::stringstream text;
        text << input.rdbuf();
        ++filesRead;
        for (const SourceLiteral& literal : stringLiteralsOf(text.str())) {
            if (holdsSql(literal.text)) {
                found.push_back(file.lexically_relative(sources.parent_path()).generic_string() +
                                ":" + std::to_string(literal.line) + ": " +
                                literal.text.substr(0, 80));
            }
        }
    }
    EXPECT_GT(filesRead, 100);
    std::string report;
    for (const std::string& place : found) {
        report += place + "\n";
    }
    EXPECT_TRUE(found.empty()) << "SQL text outside src/core/store:\n" << report;
}

// Windows show and ask; what they show comes from core, which asks the store.
TEST(SqlOutsideStore, NoWindowRunsAStatement) {
    const fs::path windows = fs::path(QUORVANE_SOURCE_DIR) / "src" / "gui";
    const std::regex statementCall(
        R"(\b(openRecordset|executeSql|executeScript|PreparedStatement)\b)");
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(windows)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream input(entry.path());
        std::string line;
        for (int number = 1; std::getline(input, line); ++number) {
            if (std::regex_search(line, statementCall)) {
                found.push_back(entry.path().filename().string() + ":" + std::to_string(number));
            }
        }
    }
    EXPECT_TRUE(found.empty()) << found.front();
}

}  // namespace
}  // namespace quorvane::test
