// SPDX-License-Identifier: MIT
// The fuzz corpus of hostile tables: each is imported for real, over a small league, in the
// sanitizer build. Whatever a file holds, the import refuses it with a message or stores only
// players and figures a season can have.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProjectionFiles.h"
#include "projections/ProjectionImport.h"
#include "projections/ProjectionTable.h"
#include "projections/TableNames.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"
#include "store/RowReader.h"

namespace quorvane::test {
namespace {

std::vector<std::filesystem::path> hostileFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_HOSTILE_TABLES_DIR)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(HostileTables, TheCorpusStaysSmall) {
    std::uintmax_t bytes = 0;
    for (const auto& file : hostileFiles()) {
        bytes += std::filesystem::file_size(file);
    }
    EXPECT_GT(hostileFiles().size(), 30U);
    EXPECT_LE(bytes, 1024U * 1024U);
}

TEST(HostileTables, EveryFileIsRefusedOrImportsOnlyWhatASeasonCanHold) {
    for (const auto& file : hostileFiles()) {
        SCOPED_TRACE(file.filename().string());
        TestProgram program;
        ASSERT_TRUE(importProjectionText(
            program.state, program.dialogs,
            joinLines({kHeader, projectionLine(1, 2019, "Luka", "Dončić", 70, "G", "DAL"),
                       projectionLine(2, 2019, "Nikola", "Jokić", 70, "C", "DEN"),
                       projectionLine(3, 2019, "LaMarcus", "Aldridge", 70, "C", "SAS")},
                      "\n")));
        TableImportOptions options;
        options.allowNew = true;
        const auto report =
            importProjectionTable(program.state, program.dialogs, file.string(), options);
        if (!report) {
            ASSERT_FALSE(program.dialogs.messages.empty());
            EXPECT_FALSE(program.dialogs.lastText().empty());
            EXPECT_EQ(program.scalar("select count(*) from DraftPlayers"), 3);
        }
        struct Stored {
            std::string name;
            std::int64_t games, minutes, most, least;
        };
        const auto rows =
            readRows<Stored>(program.state.dbConnection,
                             "select firstname || ' ' || lastname as name, games, minutes, "
                             "max(fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, "
                             "steals, blocks, turnovers) as most, min(fta, ftm, fga, fgm, "
                             "pt3a, pt3m, oreb, dreb, assists, steals, blocks, turnovers) "
                             "as least from DraftPlayers",
                             {}, [](const StatementRow& row) {
                                 return Stored{row.text(0), row.integer(1), row.integer(2),
                                               row.integer(3), row.integer(4)};
                             });
        ASSERT_TRUE(rows.has_value());
        for (const Stored& row : *rows) {
            EXPECT_EQ(nameProblem(row.name), std::nullopt) << row.name.substr(0, 40);
            EXPECT_EQ(row.name.find('?'), std::string::npos) << row.name;
            EXPECT_LE(row.games, 100);
            EXPECT_LE(row.minutes, 5000);
            EXPECT_LE(row.most, 10000);
            EXPECT_GE(row.least, 0);
        }
        // No single name became a player.
        EXPECT_EQ(program.scalar("select count(*) from draftAdded where trim(firstname) = '' or "
                                 "trim(lastname) = ''"),
                  0);
    }
}

}  // namespace
}  // namespace quorvane::test
