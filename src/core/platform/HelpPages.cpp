// SPDX-License-Identifier: MIT
#include "platform/HelpPages.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/ProgramFolder.h"
#include "platform/ServiceEndpoints.h"

namespace quorvane {

namespace {

constexpr HelpPageEntry kHelpPages[] = {
    {HelpPage::Topics, "/draft/nba/da_index.asp", "da_index.htm"},
    {HelpPage::Main, "/draft/nba/help_main.asp", "help_main.htm"},
    {HelpPage::Research, "/draft/nba/help_research.asp", "help_research.htm"},
    {HelpPage::Standings, "/draft/nba/help_standings.asp", "help_standings.htm"},
    {HelpPage::Targets, "/draft/nba/help_targets.asp", "help_targets.htm"},
    // The service serves every page of the help folder under its file name.
    {HelpPage::Advice, "/draft/nba/help_advice.htm", "help_advice.htm"},
    {HelpPage::Board, "/draft/nba/help_board.htm", "help_board.htm"},
};

bool holdsHelp(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / "da_index.htm", error);
}

}  // namespace

std::span<const HelpPageEntry> helpPageEntries() {
    return kHelpPages;
}

const HelpPageEntry& helpPageEntry(HelpPage page) {
    for (const auto& entry : kHelpPages) {
        if (entry.page == page) {
            return entry;
        }
    }
    return kHelpPages[0];
}

std::string localHelpFolder() {
    if (const char* folder = std::getenv("QUORVANE_HELP_DIR"); folder != nullptr && *folder != 0) {
        return folder;
    }
    const std::filesystem::path program = programFolder();
    const std::filesystem::path installed = std::filesystem::path(installedDataFolder()) / "help";
    if (!program.empty()) {
        for (const auto& candidate : {program / "help", installed}) {
            if (holdsHelp(candidate)) {
                return candidate.lexically_normal().string();
            }
        }
    }
    if (runsFromBuildTree() || program.empty()) {
        return (std::filesystem::path(QUORVANE_SOURCE_DATA_DIR) / "help").string();
    }
    return installed.lexically_normal().string();
}

std::string localHelpFile(std::string_view fileName) {
    return (std::filesystem::path(localHelpFolder()) / fileName).string();
}

std::string helpPageAddress(const std::string& serviceHost, HelpPage page) {
    const HelpPageEntry& entry = helpPageEntry(page);
    if (!serviceHost.empty()) {
        return serviceUrl(serviceHost, entry.servicePath);
    }
    return "file://" + localHelpFile(entry.localFile);
}

}  // namespace quorvane
