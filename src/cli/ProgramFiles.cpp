// SPDX-License-Identifier: MIT
#include "cli/ProgramFiles.h"

#include <unistd.h>

#include <filesystem>

#include "platform/ProgramFolder.h"

namespace quorvane::cli {

std::string desktopProgramPath() {
    const std::filesystem::path beside = std::filesystem::path(programFolder()) / "quorvane-draft";
    if (!programFolder().empty() && access(beside.c_str(), X_OK) == 0) {
        return beside.string();
    }
#ifdef QUORVANE_BUILD_DESKTOP_PROGRAM
    if (runsFromBuildTree() && access(QUORVANE_BUILD_DESKTOP_PROGRAM, X_OK) == 0) {
        return QUORVANE_BUILD_DESKTOP_PROGRAM;
    }
#endif
    return {};
}

}  // namespace quorvane::cli
