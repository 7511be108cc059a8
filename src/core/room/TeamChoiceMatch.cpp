// SPDX-License-Identifier: MIT
#include "room/TeamChoiceMatch.h"

#include <algorithm>
#include <charconv>

#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<std::size_t> matchTeamChoice(const std::vector<TeamChoice>& teams,
                                           std::string_view typed) {
    const std::string wanted = lowerText(trimmed(typed));
    if (wanted.empty()) {
        return std::nullopt;
    }
    std::optional<std::size_t> first;
    for (std::size_t index = 0; index < teams.size(); ++index) {
        const std::string name = lowerText(teams[index].teamname);
        if (name == wanted) {
            return index;
        }
        if (!first && name.rfind(wanted, 0) == 0) {
            first = index;
        }
    }
    if (first) {
        return first;
    }
    int position = 0;
    const auto [end, error] =
        std::from_chars(wanted.data(), wanted.data() + wanted.size(), position);
    if (error == std::errc() && end == wanted.data() + wanted.size() && position >= 1 &&
        static_cast<std::size_t>(position) <= teams.size()) {
        return static_cast<std::size_t>(position - 1);
    }
    return std::nullopt;
}

}  // namespace quorvane
