// SPDX-License-Identifier: MIT
#include "projections/Nicknames.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "projections/DelimitedTable.h"
#include "projections/PlayerNameMatcher.h"
#include "projections/SampleProjections.h"

namespace quorvane {

void NicknameTable::addPair(std::string_view name, std::string_view otherName) {
    const std::string a = normalisePlayerName(name);
    const std::string b = normalisePlayerName(otherName);
    if (a.empty() || b.empty() || a == b) {
        return;
    }
    const auto link = [this](const std::string& from, const std::string& to) {
        std::vector<std::string>& others = m_others[from];
        if (std::find(others.begin(), others.end(), to) == others.end()) {
            others.push_back(to);
        }
    };
    link(a, b);
    link(b, a);
    ++m_pairs;
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

std::optional<NicknameTable> loadNicknames() {
    const auto path = findDataFile(kNicknamesFileName);
    if (!path) {
        return std::nullopt;
    }
    std::ifstream file(*path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    if (!file) {
        return std::nullopt;
    }
    return readNicknames(contents.str());
}

}  // namespace quorvane
