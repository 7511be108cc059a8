// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

inline constexpr const char* kNicknamesFileName = "nicknames.csv";

// Players one source names by a nickname or another name and another source by his legal one
// (Mo Bamba / Mohamed Bamba, Nene / Nene Hilario). Pairs are used both ways, by the keys of
// normalisePlayerName.
class NicknameTable {
  public:
    void addPair(std::string_view name, std::string_view otherName);
    // The keys of every name paired with the one of this key.
    std::vector<std::string> otherKeys(const std::string& key) const;
    std::size_t pairCount() const { return m_pairs; }

  private:
    std::unordered_map<std::string, std::vector<std::string>> m_others;
    std::size_t m_pairs = 0;
};

// A CSV of pairs, "name,other name", the first line a heading.
NicknameTable readNicknames(std::string_view text);

// The table shipped with the program (data/nicknames.csv, found as the sample projections are);
// nullopt when it cannot be found or read.
std::optional<NicknameTable> loadNicknames();

}  // namespace quorvane
