// SPDX-License-Identifier: MIT
#include "platform/ProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace quorvane {

std::string programFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    return executable.parent_path().string();
}

bool runsFromBuildTree() {
    const std::filesystem::path program = programFolder();
    const std::filesystem::path build = QUORVANE_BUILD_ROOT;
    if (program.empty()) {
        return false;
    }
    const auto [buildEnd, programAt] =
        std::mismatch(build.begin(), build.end(), program.begin(), program.end());
    return buildEnd == build.end();
}

std::string installedDataFolder() {
    const std::filesystem::path program = programFolder();
    if (program.empty()) {
        return {};
    }
    return (program.parent_path() / "share" / "quorvane").string();
}

}  // namespace quorvane
