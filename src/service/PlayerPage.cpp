// SPDX-License-Identifier: MIT
#include "service/PlayerPage.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorvane::service {

namespace {

constexpr const char* kStatisticHeadings[] = {"G",    "MIN", "FTA",  "FTM",  "FGA", "FGM",
                                              "3PTA", "3PT", "OREB", "DREB", "AST", "STL",
                                              "BLK",  "TO",  "DD",   "TD"};
enum Statistic { kGames = 0, kFtm = 3, kFgm = 5, kPt3m = 7, kOreb = 8, kDreb = 9, kAssists = 10 };

double numberAt(const PlayerSeason& season, int index) {
    const std::string& text = season.statistics.at(static_cast<std::size_t>(index));
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string perGame(double total, double games) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", games > 0 ? std::round(total / games * 10) / 10 : 0.0);
    return text;
}

}  // namespace

std::string playerPageHtml(int playerid, const std::vector<PlayerSeason>& seasons) {
    const PlayerSeason& newest = seasons.front();
    const std::string name = escapeHtml(newest.firstname + " " + newest.lastname);
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + name +
                       "</title></head>\n<body>\n<h1>" + name + "</h1>\n<p>" +
                       escapeHtml(newest.team) + " &middot; " + escapeHtml(newest.pos);
    if (!newest.dob.empty()) {
        html += " &middot; born " + escapeHtml(newest.dob);
    }
    html += " &middot; player " + std::to_string(playerid) + "</p>\n";
    html +=
        "<h2>Points, rebounds and assists per game</h2>\n<table border=\"1\">\n"
        "<tr><th>Season</th><th>PPG</th><th>RPG</th><th>APG</th></tr>\n";
    for (const auto& season : seasons) {
        const double games = numberAt(season, kGames);
        // A field goal made from three counts three points: two as a field goal, one more as a
        // three.
        const double points =
            2 * numberAt(season, kFgm) + numberAt(season, kPt3m) + numberAt(season, kFtm);
        html += "<tr><td>" + std::to_string(season.year) + "</td><td>" + perGame(points, games) +
                "</td><td>" + perGame(numberAt(season, kOreb) + numberAt(season, kDreb), games) +
                "</td><td>" + perGame(numberAt(season, kAssists), games) + "</td></tr>\n";
    }
    html += "</table>\n<h2>Season totals</h2>\n<table border=\"1\">\n<tr><th>Season</th>";
    for (const char* heading : kStatisticHeadings) {
        html += std::string("<th>") + heading + "</th>";
    }
    html += "</tr>\n";
    for (const auto& season : seasons) {
        html += "<tr><td>" + std::to_string(season.year) + "</td>";
        for (const auto& value : season.statistics) {
            html += "<td>" + escapeHtml(value) + "</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n";
    if (!newest.revisiondate.empty()) {
        html += "<p>Projections updated through: " + escapeHtml(newest.revisiondate) + "</p>\n";
    }
    html += "</body></html>\n";
    return html;
}

}  // namespace quorvane::service
