// SPDX-License-Identifier: MIT
#include "BenchSupport.h"

#include <atomic>
#include <cstdlib>
#include <random>

#include <unistd.h>

#include "projections/ProjectionImport.h"
#include "session/DataStore.h"
#include "session/ProjectionConversation.h"

namespace quorvane::bench {

std::string sampleProjectionsPath() {
    if (const char* path = std::getenv("QUORVANE_SAMPLE_PROJECTIONS")) {
        return path;
    }
    return QUORVANE_SAMPLE_PROJECTIONS;
}

BenchDatabase::BenchDatabase(bool answerQuestions) : dialogs(answerQuestions) {
    static std::atomic<unsigned> count{0};
    folder = std::filesystem::temp_directory_path() /
             ("quorvane-bench-" + std::to_string(getpid()) + "-" + std::to_string(++count) + "-" +
              std::to_string(std::random_device{}()));
    if (!createNewDatabase(state, dialogs, folder.string(), false)) {
        std::abort();
    }
}

BenchDatabase::~BenchDatabase() {
    closeConnection(state.dbConnection);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

bool BenchDatabase::loadSampleProjections() {
    return importProjectionFile(state, dialogs, sampleProjectionsPath()).has_value();
}

}  // namespace quorvane::bench
