// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kVersionPath = "/draft/nba/version.asp";
inline constexpr std::string_view kAccountPath = "/draft/nfl/user.asp";
inline constexpr std::string_view kProjectionsPath = "/draft/nba/da_projections.csv";
inline constexpr std::string_view kProjectionsPagePath = "/draft/nba/da_projections.htm";
inline constexpr std::string_view kIndexPath = "/draft/nba/da_index.asp";
inline constexpr std::string_view kPlayerPagePath = "/draft/nba/da_player.asp";

// Ids from here up are the user's own players, which the service does not know.
inline constexpr int kFirstCustomPlayerId = 20000;

// "https://" + host + path.
std::string serviceUrl(std::string_view serviceHost, std::string_view path);

// Percent-encodes everything but the unreserved characters, byte by byte, so that "&", "=",
// blanks and non-ASCII letters (as UTF-8) arrive as typed.
std::string percentEncode(std::string_view text);

// The account request with the user name and password trimmed and encoded.
std::string accountRequestPath(std::string_view user, std::string_view password);

// The service's page of a projected player.
std::string playerPagePath(int playerid);

// True for ids the service has a page for (1 .. 19999).
bool hasServicePlayerPage(int playerid);

}  // namespace quorvane
