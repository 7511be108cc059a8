// SPDX-License-Identifier: MIT
// The folders of src/core form layers: each includes only the folders below it, in the order
// src/core/CMakeLists.txt adds them. A folder that reaches up makes the layers a knot again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kCore = fs::path(QUORVANE_SOURCE_DIR) / "src" / "core";

struct Include {
    std::string file;  // relative to src/core, e.g. "room/Turns.cpp"
    int line = 0;
    std::string folder;  // the included folder, e.g. "session"
};

// The folders in the order src/core/CMakeLists.txt adds them, bottom first.
std::vector<std::string> layerOrder() {
    std::ifstream in(kCore / "CMakeLists.txt");
    std::vector<std::string> order;
    std::string line;
    const std::string_view opening = "add_subdirectory(";
    while (std::getline(in, line)) {
        if (line.rfind(opening, 0) == 0 && line.back() == ')') {
            order.push_back(line.substr(opening.size(), line.size() - opening.size() - 1));
        }
    }
    return order;
}

// The folder a quoted include names ("store/Connection.h" -> "store"); none for an include
// without a folder or with angle brackets.
std::optional<std::string> includedFolder(std::string_view line) {
    const std::string_view directive = "#include \"";
    if (line.rfind(directive, 0) != 0) {
        return std::nullopt;
    }
    const std::string_view path = line.substr(directive.size());
    const std::size_t slash = path.find('/');
    const std::size_t quote = path.find('"');
    if (slash == std::string_view::npos || quote == std::string_view::npos || slash > quote) {
        return std::nullopt;
    }
    return std::string(path.substr(0, slash));
}

std::vector<Include> coreIncludes() {
    std::vector<Include> includes;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kCore)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        const std::string file = fs::relative(entry.path(), kCore).generic_string();
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (std::optional<std::string> folder = includedFolder(line)) {
                includes.push_back({file, number, std::move(*folder)});
            }
        }
    }
    return includes;
}

std::string folderOf(const std::string& file) {
    return file.substr(0, file.find('/'));
}

TEST(IncludeOrder, EveryCoreFolderHasItsPlaceInTheOrder) {
    const std::vector<std::string> order = layerOrder();
    ASSERT_FALSE(order.empty()) << "no add_subdirectory in " << kCore / "CMakeLists.txt";
    for (const fs::directory_entry& entry : fs::directory_iterator(kCore)) {
        if (entry.is_directory()) {
            const std::string folder = entry.path().filename().string();
            EXPECT_NE(std::find(order.begin(), order.end(), folder), order.end())
                << "src/core/" << folder << " is not added in src/core/CMakeLists.txt";
        }
    }
}

TEST(IncludeOrder, NoFolderIncludesOneAboveIt) {
    const std::vector<std::string> order = layerOrder();
    const auto rank = [&](const std::string& folder) {
        return std::find(order.begin(), order.end(), folder) - order.begin();
    };
    std::ostringstream upward;
    for (const Include& include : coreIncludes()) {
        const std::string folder = folderOf(include.file);
        // Includes of folders outside src/core (fmt/, nlohmann/) are the libraries'.
        if (rank(include.folder) == static_cast<long>(order.size()) ||
            rank(include.folder) <= rank(folder)) {
            continue;
        }
        upward << "src/core/" << include.file << ":" << include.line << ": " << folder
               << " includes " << include.folder << ", which lies above it\n";
    }
    EXPECT_TRUE(upward.str().empty()) << upward.str();
}

}  // namespace
