// SPDX-License-Identifier: MIT
#include "projections/SampleProjections.h"

#include <filesystem>
#include <vector>

#include "platform/ProgramFolder.h"

namespace quorvane {

std::optional<std::string> findSampleProjections() {
    return findDataFile(kSampleProjectionsFileName);
}

std::optional<std::string> findDataFile(std::string_view fileName) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<fs::path> folders;
    if (const fs::path beside = programFolder(); !beside.empty()) {
        folders.push_back(beside / "data");
        folders.push_back(fs::path(installedDataFolder()) / "data");
    }
    if (runsFromBuildTree()) {
#ifdef QUORVANE_BUILD_DATA_DIR
        folders.emplace_back(QUORVANE_BUILD_DATA_DIR);
#endif
#ifdef QUORVANE_SOURCE_DATA_DIR
        folders.emplace_back(QUORVANE_SOURCE_DATA_DIR);
#endif
    }
    for (const fs::path& folder : folders) {
        const fs::path candidate = folder / fileName;
        if (fs::is_regular_file(candidate, error)) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

}  // namespace quorvane
