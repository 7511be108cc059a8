// SPDX-License-Identifier: MIT
#include "store/ProgramStore.h"

#include "platform/SafeFileWriter.h"

namespace quorvane {

OwnFiles ownFilesOf(const ProgramStore& state) {
    OwnFiles own = programOwnFiles(state.dataFolder);
    if (!state.connectionString.empty()) {
        for (const char* suffix : kDatabaseCompanions) {
            own.paths.emplace_back(state.connectionString + suffix);
        }
    }
    if (!state.logFilePath.empty()) {
        own.paths.emplace_back(state.logFilePath);
    }
    return own;
}

}  // namespace quorvane
