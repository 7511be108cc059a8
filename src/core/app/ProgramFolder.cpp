// SPDX-License-Identifier: MIT
#include "app/ProgramFolder.h"

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

}  // namespace quorvane
