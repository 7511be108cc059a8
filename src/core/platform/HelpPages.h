// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quorvane {

// The pages the help buttons and "Help Topics" open; Topics is also the web pane's start page.
// Board is the draft board, the banner and every key of the draft room.
enum class HelpPage { Topics, Main, Research, Standings, Targets, Advice, Board };

struct HelpPageEntry {
    HelpPage page;
    std::string_view servicePath;  // on the projection service
    std::string_view localFile;    // the copy shipped with the program
};

// Every help page, Topics first.
std::span<const HelpPageEntry> helpPageEntries();
const HelpPageEntry& helpPageEntry(HelpPage page);

inline constexpr std::string_view kConnectErrorPage = "connect_error.htm";

// Where the shipped help pages are: QUORVANE_HELP_DIR, else "help" beside the executable, else
// "../share/quorvane/help" beside it, else (for a program run from its build folder) the source
// tree's data/help.
std::string localHelpFolder();

// Path of a shipped page, for example connect_error.htm.
std::string localHelpFile(std::string_view fileName);

// What the web pane opens for a help page: the service's page when a service is configured
// (`serviceHost` not empty), else the local copy as a file:// address.
std::string helpPageAddress(const std::string& serviceHost, HelpPage page);

}  // namespace quorvane
