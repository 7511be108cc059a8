// SPDX-License-Identifier: MIT
#include "projections/Nicknames.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "projections/DelimitedTable.h"
#include "projections/PlayerNameMatcher.h"
#include "projections/SampleProjections.h"

namespace quorvane {

namespace {

void link(std::unordered_map<std::string, std::vector<std::string>>& links, const std::string& from,
          const std::string& to) {
    std::vector<std::string>& others = links[from];
    if (std::find(others.begin(), others.end(), to) == others.end()) {
        others.push_back(to);
    }
}

std::optional<std::string> readDataFile(const char* name) {
    const auto path = findDataFile(name);
    if (!path) {
        return std::nullopt;
    }
    std::ifstream file(*path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    if (!file) {
        return std::nullopt;
    }
    return contents.str();
}

}  // namespace

void NicknameTable::addPair(std::string_view name, std::string_view otherName) {
    const std::string a = normalisePlayerName(name);
    const std::string b = normalisePlayerName(otherName);
    if (a.empty() || b.empty() || a == b) {
        return;
    }
    link(m_others, a, b);
    link(m_others, b, a);
    ++m_pairs;
}

void NicknameTable::addFirstNameForm(std::string_view firstname, std::string_view shortForm) {
    const std::string a = normalisePlayerName(firstname);
    const std::string b = normalisePlayerName(shortForm);
    if (a.empty() || b.empty() || a == b) {
        return;
    }
    link(m_firstNames, a, b);
    link(m_firstNames, b, a);
}

std::vector<std::string> NicknameTable::otherFirstNames(const std::string& folded) const {
    const auto found = m_firstNames.find(folded);
    return found == m_firstNames.end() ? std::vector<std::string>() : found->second;
}

std::vector<std::string> NicknameTable::otherKeys(const std::string& key) const {
    const auto found = m_others.find(key);
    return found == m_others.end() ? std::vector<std::string>() : found->second;
}

NicknameTable readNicknames(std::string_view text) {
    NicknameTable table;
    const DelimitedTable pairs = readDelimitedTable(text);
    for (std::size_t r = 1; r < pairs.records.size(); ++r) {
        const auto& cells = pairs.records[r].cells;
        if (cells.size() >= 2) {
            table.addPair(cells[0], cells[1]);
        }
    }
    return table;
}

void readFirstNameForms(std::string_view text, NicknameTable& table) {
    const DelimitedTable pairs = readDelimitedTable(text);
    for (std::size_t r = 1; r < pairs.records.size(); ++r) {
        const auto& cells = pairs.records[r].cells;
        if (cells.size() >= 2) {
            table.addFirstNameForm(cells[0], cells[1]);
        }
    }
}

std::optional<NicknameTable> loadNicknames() {
    const auto nicknames = readDataFile(kNicknamesFileName);
    const auto forms = readDataFile(kFirstNameFormsFileName);
    if (!nicknames || !forms) {
        return std::nullopt;
    }
    NicknameTable table = readNicknames(*nicknames);
    readFirstNameForms(*forms, table);
    return table;
}

}  // namespace quorvane
