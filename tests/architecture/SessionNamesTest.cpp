// SPDX-License-Identifier: MIT
// The program state and the dialogs belong to the front ends and the session that holds them for
// a run: core outside the session folder takes what it reads and returns what it would tell. A name
// of either anywhere else in core, even in a comment or a forward declaration, is a step back.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

const fs::path kCore = fs::path(QUORVANE_SOURCE_DIR) / "src" / "core";

bool isNamePart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// True when `word` stands in `text` as a whole name ("ProgramStateView" is another name).
bool namesWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const bool before = at > 0 && isNamePart(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool after = end < text.size() && isNamePart(text[end]);
        if (!before && !after) {
            return true;
        }
    }
    return false;
}

bool namesSession(std::string_view text) {
    return namesWord(text, "ProgramState") || namesWord(text, "UserDialogs");
}

// Every header and source of core outside the session folder that names the program state or the
// dialogs.
std::set<std::string> filesNamingSession() {
    std::set<std::string> naming;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kCore)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) {
            continue;
        }
        const std::string file = fs::relative(entry.path(), kCore).generic_string();
        if (file.rfind("session/", 0) == 0) {
            continue;
        }
        std::ifstream in(entry.path());
        std::ostringstream text;
        text << in.rdbuf();
        if (namesSession(text.str())) {
            naming.insert(file);
        }
    }
    return naming;
}

TEST(SessionNames, OnlyTheSessionNamesTheProgramStateOrTheDialogs) {
    for (const std::string& file : filesNamingSession()) {
        ADD_FAILURE() << "src/core/" << file
                      << " names ProgramState or UserDialogs: take what it reads instead";
    }
}

TEST(SessionNames, ANameCountsOnlyAsAWholeWord) {
    EXPECT_TRUE(namesSession("struct ProgramState;"));
    EXPECT_TRUE(namesSession("// tells through UserDialogs."));
    EXPECT_TRUE(namesSession("f(UserDialogs& d)"));
    EXPECT_FALSE(namesSession("ProgramStateView view;"));
    EXPECT_FALSE(namesSession("LogOnlyUserDialogs_ x;"));
    EXPECT_FALSE(namesSession("DraftSession& session"));
}

}  // namespace
