// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sstream>

#include "ProjectionFiles.h"
#include "cli/CliApp.h"

namespace quorvane::test {
namespace {

struct CliRun {
    int status = 0;
    std::string out;
    std::string err;
};

CliRun runCommand(const TempFolder& folder, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"quorvane-draft-cli", "--data-dir", folder.str()});
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    const int status = cli::runCli(static_cast<int>(argv.size()), argv.data(), {out, err, in});
    return {status, out.str(), err.str()};
}

TEST(ProjectionCommands, InitFillsEverySamplePlayerAndEmptySkipsThem) {
    TempFolder filled;
    ASSERT_EQ(runCommand(filled, {"init"}).status, 0);
    const CliRun list = runCommand(filled, {"projections"});
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')),
              "playerid,Name,Pos,Team,GP,FGA,FGM,FTA,FTM,3PTA,3PTM,OREB,DREB,AST,STL,BLK,TO,DD,TD");
    EXPECT_NE(list.out.find("\n4316,\"Russell, D'Angelo\",G,BRK,81,1517,659,205,160,635,234,53,"
                            "262,563,100,20,253,14,0\n"),
              std::string::npos);
    const CliRun again = runCommand(filled, {"import", sampleFile()});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "inserted=0\nupdated=1070\n");
    EXPECT_EQ(runCommand(filled, {"revision"}).out, "Projections updated through: 2019-10-15\n");

    TempFolder empty;
    ASSERT_EQ(runCommand(empty, {"init", "--empty"}).status, 0);
    EXPECT_EQ(runCommand(empty, {"projections"}).out.find('\n') + 1,
              runCommand(empty, {"projections"}).out.size());
    EXPECT_EQ(runCommand(empty, {"import", sampleFile()}).out, "inserted=1070\nupdated=0\n");
}

TEST(ProjectionCommands, EditedProjectionOutlivesAReimport) {
    TempFolder folder;
    ASSERT_EQ(runCommand(folder, {"init"}).status, 0);
    ASSERT_EQ(runCommand(folder, {"edit-projection", "3879", "GP=60", "TD=12"}).status, 0);
    ASSERT_EQ(runCommand(folder, {"import", sampleFile()}).status, 0);
    const CliRun guards = runCommand(folder, {"projections", "--position", "G"});
    // Untouched statistics keep the file's figures (FGA 1909 … DD 34); GP and TD are the edit's.
    EXPECT_NE(guards.out.find("\n3879,\"Harden, James\",G,HOU,60,1909,843,858,754,1028,378,66,"
                              "452,586,158,58,387,34,12\n"),
              std::string::npos);

    ASSERT_EQ(runCommand(folder, {"clear-edits", "--all"}).status, 0);
    ASSERT_EQ(runCommand(folder, {"import", sampleFile()}).status, 0);
    EXPECT_NE(runCommand(folder, {"projections", "--position", "G"})
                  .out.find("\n3879,\"Harden, James\",G,HOU,78,"),
              std::string::npos);
}

TEST(ProjectionCommands, RefusalsAndWrongUsage) {
    TempFolder folder;
    ASSERT_EQ(runCommand(folder, {"init", "--empty"}).status, 0);
    const std::string bad =
        writeFile(folder, "bad.csv",
                  joinLines({kHeader, projectionLine(1, 2019, "A", "B"), "1,P,2019"}, "\n"));
    const CliRun refused = runCommand(folder, {"import", bad});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Line 3 of " + bad + " is invalid"), std::string::npos);
    EXPECT_EQ(runCommand(folder, {"edit-projection", "1", "XYZ=4"}).status, 2);
    EXPECT_EQ(runCommand(folder, {"edit-projection", "1", "GP=4"}).status, 1);
    EXPECT_EQ(runCommand(folder, {"clear-edits"}).status, 2);
    EXPECT_EQ(runCommand(folder, {"clear-edits", "5", "--all"}).status, 2);
    EXPECT_EQ(runCommand(folder, {"projections", "--position", "PF"}).status, 2);
}

}  // namespace
}  // namespace quorvane::test
