// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane {

inline constexpr const char* kNicknamesFileName = "nicknames.csv";
inline constexpr const char* kFirstNameFormsFileName = "first_name_forms.csv";

// Players one source names by a nickname or another name and another source by his legal one
// (Mo Bamba / Mohamed Bamba, Nene / Nene Hilario). Pairs are used both ways, by the keys of
// normalisePlayerName.
class NicknameTable {
  public:
    void addPair(std::string_view name, std::string_view otherName);
    // The keys of every name paired with the one of this key.
    std::vector<std::string> otherKeys(const std::string& key) const;
    std::size_t pairCount() const { return m_pairs; }

    // First names and their common short forms (Mitchell / Mitch, Tyrone / Ty), for any player:
    // used both ways, by the folded first name (normalisePlayerName of it alone).
    void addFirstNameForm(std::string_view firstname, std::string_view shortForm);
    std::vector<std::string> otherFirstNames(const std::string& folded) const;

  private:
    std::unordered_map<std::string, std::vector<std::string>> m_others;
    std::unordered_map<std::string, std::vector<std::string>> m_firstNames;
    std::size_t m_pairs = 0;
};

// A CSV of pairs, "name,other name", the first line a heading.
NicknameTable readNicknames(std::string_view text);
// Adds the pairs of a CSV "first name,short form", the first line a heading.
void readFirstNameForms(std::string_view text, NicknameTable& table);

// The tables shipped with the program (data/nicknames.csv and data/first_name_forms.csv, found as
// the sample projections are); nullopt when either cannot be found or read.
std::optional<NicknameTable> loadNicknames();

}  // namespace quorvane
