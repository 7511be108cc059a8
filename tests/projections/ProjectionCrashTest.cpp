// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include "ProjectionFiles.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "store/RowReader.h"

namespace quorvane::test {
namespace {

// Tells the parent, through a pipe, once the import has written a good part of the file.
class SignallingDialogs final : public UserDialogs {
  public:
    explicit SignallingDialogs(int pipe) : m_pipe(pipe) {}
    void showMessage(std::string_view, std::string_view, MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void setBusy(bool) override {}
    void progress(std::string_view, long long done, long long) override {
        if (!m_signalled && done >= 2000) {
            m_signalled = true;
            const char byte = 'w';
            (void)!write(m_pipe, &byte, 1);
            pause();  // stay in the middle of the import until killed
        }
    }

  private:
    int m_pipe;
    bool m_signalled = false;
};

TEST(ProjectionImportCrash, KilledImportLeavesAllOrNothing) {
    TestProgram program;
    std::vector<std::string> lines = {kHeader};
    constexpr int kPlayers = 6000;
    for (int id = 1; id <= kPlayers; ++id) {
        lines.push_back(projectionLine(id, 2019, "First", "Last" + std::to_string(id)));
    }
    const std::string path = writeFile(program.folder, "large.csv", joinLines(lines, "\r\n"));
    const std::string database = program.state.connectionString;
    closeConnection(program.state.dbConnection);

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeEnds[0]);
        ProgramState state;
        SignallingDialogs dialogs(pipeEnds[1]);
        if (openConnection(state.dbConnection, database, Log())) {
            importProjectionFile(state, dialogs, path);
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    char byte = 0;
    const bool reachedMiddle = read(pipeEnds[0], &byte, 1) == 1;
    close(pipeEnds[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(reachedMiddle);
    EXPECT_TRUE(WIFSIGNALED(status));

    ASSERT_TRUE(openConnection(program.state.dbConnection, database, Log()));
    EXPECT_EQ(readScalar<std::string>(program.state.dbConnection, "pragma integrity_check"), "ok");
    const double players = program.scalar("select count(*) from DraftPlayers");
    EXPECT_TRUE(players == 0 || players == kPlayers) << players;
}

}  // namespace
}  // namespace quorvane::test
