// SPDX-License-Identifier: MIT
#include "night/NightPages.h"

#include <cstdlib>
#include <filesystem>

#include "platform/ProgramFolder.h"

namespace quorvane {

std::string nightPagesFolder() {
    if (const char* folder = std::getenv("QUORVANE_NIGHT_DIR"); folder != nullptr && *folder != 0) {
        return folder;
    }
    const std::filesystem::path installed = std::filesystem::path(installedDataFolder()) / "night";
    std::error_code error;
    if (!runsFromBuildTree() && std::filesystem::exists(installed / "board.html", error)) {
        return installed.lexically_normal().string();
    }
    return (std::filesystem::path(QUORVANE_SOURCE_DATA_DIR) / "night").string();
}

}  // namespace quorvane
