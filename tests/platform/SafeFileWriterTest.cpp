// SPDX-License-Identifier: MIT
// What the one file writer refuses, and what it leaves behind when the system refuses a write.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "platform/SafeFileWriter.h"
#include "support/TestProgram.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::TestProgram;

std::string fileText(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileWriteProblem problemWriting(const fs::path& path, const OwnFiles& own, bool replace = false) {
    return writeFileSafely({path, replace, {}}, own, "PNG bytes").problem;
}

struct OwnFilesOfAProgram : ::testing::Test {
    TestProgram program;
    OwnFiles own = ownFilesOf(program.state);
    fs::path database = program.state.connectionString;
    std::string databaseBytes = fileText(database);
};

TEST_F(OwnFilesOfAProgram, TheDatabaseItsCompanionsTheLogAndTheSettingsAreNeverWritten) {
    program.state.dbConnection.log().writeEntry(" a line the log keeps");
    const fs::path folder = program.folder.path();
    writeText(folder / "quorvane-settings.conf", "serviceHost = stats.example.org\n");
    for (const char* name :
         {"players2019.db", "players2019.db-wal", "players2019.db-shm", "players2019.db-journal",
          "quorbasketball.log", "quorvane-settings.conf"}) {
        // Asked to replace, too: leave to replace a file is no leave to replace these.
        EXPECT_EQ(problemWriting(folder / name, own, true), FileWriteProblem::OwnFile) << name;
    }
    // The same files by a roundabout name.
    EXPECT_EQ(problemWriting(folder / "." / ".." / folder.filename() / "players2019.db", own, true),
              FileWriteProblem::OwnFile);
    EXPECT_EQ(fileText(database), databaseBytes);
    EXPECT_EQ(fileText(folder / "quorvane-settings.conf"), "serviceHost = stats.example.org\n");
    EXPECT_FALSE(fs::exists(folder / "players2019.db-journal"));
}

TEST_F(OwnFilesOfAProgram, NoLinkOrLinkedFolderLeadsToTheDatabase) {
    TempFolder elsewhere;
    fs::create_symlink(database, elsewhere.path() / "chart.png");
    fs::create_hard_link(database, elsewhere.path() / "copy.png");
    fs::create_directory_symlink(program.folder.path(), elsewhere.path() / "data");
    EXPECT_EQ(problemWriting(elsewhere.path() / "chart.png", own, true), FileWriteProblem::OwnFile);
    EXPECT_EQ(problemWriting(elsewhere.path() / "copy.png", own, true), FileWriteProblem::OwnFile);
    EXPECT_EQ(problemWriting(elsewhere.path() / "data" / "players2019.db", own, true),
              FileWriteProblem::OwnFile);
    EXPECT_EQ(problemWriting(elsewhere.path() / "data" / "players2019.db-wal", own, true),
              FileWriteProblem::OwnFile);
    EXPECT_EQ(fileText(database), databaseBytes);
    EXPECT_TRUE(fs::is_symlink(elsewhere.path() / "chart.png"));
}

TEST(SafeFileWriter, NeverWritesThroughASymbolicLink) {
    TempFolder folder;
    writeText(folder.path() / "notes.txt", "the user's notes");
    fs::create_symlink(folder.path() / "notes.txt", folder.path() / "board.csv");
    fs::create_symlink(folder.path() / "gone.txt", folder.path() / "dangling.csv");
    EXPECT_EQ(problemWriting(folder.path() / "board.csv", {}, true),
              FileWriteProblem::SymbolicLink);
    EXPECT_EQ(problemWriting(folder.path() / "dangling.csv", {}, true),
              FileWriteProblem::SymbolicLink);
    EXPECT_EQ(fileText(folder.path() / "notes.txt"), "the user's notes");
    EXPECT_FALSE(fs::exists(folder.path() / "gone.txt"));
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"board.csv", "dangling.csv", "notes.txt"}));
}

TEST(SafeFileWriter, RefusesAPipeAtOnceAndFoldersAndDevices) {
    TempFolder folder;
    const fs::path pipe = folder.path() / "chart.png";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto writing = std::async(std::launch::async, [&] { return problemWriting(pipe, {}, true); });
    if (writing.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Free the writer before failing: opening the other end lets it go on.
        const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        writing.wait();
        ::close(reader);
        FAIL() << "writing to a pipe blocked";
    }
    EXPECT_EQ(writing.get(), FileWriteProblem::NotRegularFile);

    fs::create_directory(folder.path() / "board.csv");
    EXPECT_EQ(problemWriting(folder.path() / "board.csv", {}, true),
              FileWriteProblem::NotRegularFile);
    EXPECT_EQ(problemWriting("/dev/null", {}, true), FileWriteProblem::NotRegularFile);
    EXPECT_EQ(problemWriting(folder.path().string() + "/", {}, true),
              FileWriteProblem::NotRegularFile);
    EXPECT_TRUE(fs::is_empty(folder.path() / "board.csv"));
}

TEST(SafeFileWriter, ReplacesAnExistingFileOnlyWhenAskedAndKeepsItsPermissions) {
    TempFolder folder;
    const fs::path file = folder.path() / "standings.png";
    writeText(file, "last week's chart");
    ::chmod(file.c_str(), 0640);

    const FileTarget unasked{file, false, {}};
    EXPECT_EQ(writeFileSafely(unasked, {}, "new chart").problem, FileWriteProblem::Exists);
    EXPECT_EQ(fileText(file), "last week's chart");

    EXPECT_TRUE(writeFileSafely({file, true, {}}, {}, "new chart").ok());
    EXPECT_EQ(fileText(file), "new chart");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A new file needs no leave.
    EXPECT_TRUE(writeFileSafely({folder.path() / "targets.png", false, {}}, {}, "x").ok());
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"standings.png", "targets.png"}));
}

TEST(SafeFileWriter, AWriteTheSystemCutsShortLeavesTheOldFileWholeAndNothingElse) {
    TempFolder folder;
    const fs::path file = folder.path() / "quorvane_draft_order.csv";
    const std::string old = "Team Name,First Name\r\nOwner 1,Al\r\n";
    writeText(file, old);
    // A file size limit is what a full disk or a quota looks like to the writer: the write stops
    // part-way. Without SIGXFSZ ignored the limit would end the test program instead.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileWriteResult result = writeFileSafely({file, true, {}}, {}, std::string(10000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result.problem, FileWriteProblem::WriteFailed);
    EXPECT_EQ(fileText(file), old);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"quorvane_draft_order.csv"});
    EXPECT_EQ(fileProblemText(result, {file, true, {}}),
              file.string() +
                  " could not be written (File too large). An earlier file of that "
                  "name is unchanged.");
}

TEST(SafeFileWriter, AFolderThatIsMissingOrAFileIsReported) {
    TempFolder folder;
    writeText(folder.path() / "plain", "x");
    EXPECT_EQ(problemWriting(folder.path() / "no" / "chart.png", {}), FileWriteProblem::NoFolder);
    EXPECT_EQ(problemWriting(folder.path() / "plain" / "chart.png", {}),
              FileWriteProblem::NoFolder);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"plain"});
}

TEST(SafeFileWriter, AChartNeedsThePngEnding) {
    TempFolder folder;
    EXPECT_EQ(writeFileSafely({folder.path() / "chart.txt", false, ".png"}, {}, "x").problem,
              FileWriteProblem::WrongExtension);
    EXPECT_EQ(writeFileSafely({folder.path() / "png", false, ".png"}, {}, "x").problem,
              FileWriteProblem::WrongExtension);
    EXPECT_TRUE(writeFileSafely({folder.path() / "Chart.PNG", false, ".png"}, {}, "x").ok());
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"Chart.PNG"});
}

TEST(SafeFileWriter, EachRefusalSaysWhatTheFileIs) {
    const FileTarget target{"/data/players2019.db", false, ".png"};
    const auto text = [&](FileWriteProblem problem) {
        return fileProblemText({problem, {}}, target);
    };
    EXPECT_EQ(text(FileWriteProblem::OwnFile),
              "/data/players2019.db is one of the draft program's own files (its database, log "
              "or settings) and is never written over. Choose another file name.");
    EXPECT_EQ(text(FileWriteProblem::SymbolicLink),
              "/data/players2019.db is a symbolic link. Files are not written through links; "
              "give the name of the file itself.");
    EXPECT_EQ(text(FileWriteProblem::NotRegularFile),
              "/data/players2019.db is not a regular file (it is a folder, a pipe or a device), "
              "so nothing was written.");
    EXPECT_EQ(text(FileWriteProblem::Exists),
              "/data/players2019.db already exists and was left as it is; --force replaces it.");
    EXPECT_EQ(text(FileWriteProblem::NoFolder),
              "The folder of /data/players2019.db does not exist, so nothing was written.");
    EXPECT_EQ(text(FileWriteProblem::WrongExtension),
              "The file name must end in .png: /data/players2019.db");
    EXPECT_EQ(replaceFileQuestion("/home/coach/board.png"),
              "/home/coach/board.png already exists. Do you want to replace it?");
}

}  // namespace
}  // namespace quorvane
