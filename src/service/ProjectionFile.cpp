// SPDX-License-Identifier: MIT
#include "service/ProjectionFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

namespace quorvane::service {

namespace {

constexpr std::size_t kFieldCount = 32;

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool hasHeader(std::string_view text) {
    constexpr std::string_view header = "playerid,";
    if (text.size() < header.size()) {
        return false;
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != header[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<ProjectionFile> ProjectionFile::load(const std::string& path, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = "cannot read " + path;
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    const std::string raw = contents.str();
    if (!hasHeader(raw)) {
        reason = path + " does not begin with a \"playerid,\" header";
        return std::nullopt;
    }

    ProjectionFile projections;
    std::istringstream lines(raw);
    bool header = true;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // The client splits at carriage returns and drops text after the last one, so every
        // line is served with CR LF, the last one included.
        projections.m_text += line + "\r\n";
        if (header) {
            header = false;
            continue;
        }
        const auto fields = splitFields(line);
        const auto id = fields.empty() ? std::nullopt : wholeNumber(fields[0]);
        const auto year = fields.size() > 2 ? wholeNumber(fields[2]) : std::nullopt;
        if (fields.size() < kFieldCount || !id || !year) {
            continue;
        }
        PlayerSeason season;
        season.year = *year;
        season.firstname = fields[3];
        season.lastname = fields[4];
        season.pos = fields[5];
        season.team = fields[6];
        season.dob = fields[7];
        season.statistics.assign(fields.begin() + 8, fields.begin() + 24);
        season.revisiondate = fields[24];
        projections.m_players[*id].push_back(std::move(season));
    }
    for (auto& [id, seasons] : projections.m_players) {
        std::stable_sort(seasons.begin(), seasons.end(),
                         [](const auto& a, const auto& b) { return a.year > b.year; });
    }
    return projections;
}

std::vector<PlayerSeason> ProjectionFile::seasonsOf(int playerid) const {
    const auto found = m_players.find(playerid);
    return found == m_players.end() ? std::vector<PlayerSeason>{} : found->second;
}

}  // namespace quorvane::service
