// SPDX-License-Identifier: MIT
#include "support/TestProgram.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <random>

#include <unistd.h>

#include "draftconfig/NewDraft.h"
#include "platform/DataFolder.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "store/RowReader.h"

namespace quorvane::test {

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("quorvane-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + "-" +
              std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

TestProgram::TestProgram() {
    if (!createNewDatabase(state, dialogs, folder.str(), false)) {
        ADD_FAILURE() << "could not create a test database in " << folder.str();
    }
}

std::vector<std::string> TestProgram::logLines() const {
    std::vector<std::string> lines;
    std::ifstream file(state.logFilePath);
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

void TestProgram::exec(const std::string& sql) {
    ASSERT_TRUE(executeSql(state.dbConnection, sql)) << sql;
}

double TestProgram::scalar(const std::string& sql) {
    const std::optional<double> value = readScalar<double>(state.dbConnection, sql);
    EXPECT_TRUE(value.has_value()) << sql;
    return value.value_or(0.0);
}

int TestProgram::newDraft(const std::string& name, int teams, bool auction, bool rotisserie) {
    const auto id = createDraft(state, dialogs, {name, teams - 1, auction, rotisserie});
    EXPECT_TRUE(id.has_value()) << dialogs.lastText();
    return id.value_or(0);
}

bool openFolder(ProgramState& state, FakeDialogs& dialogs, const std::string& folder) {
    DataFolderCandidates candidates;
    candidates.overrideFolder = folder;
    return openDataStore(state, dialogs, candidates);
}

}  // namespace quorvane::test
