// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text/HtmlText.h"
#include "service/ProjectionFile.h"

namespace quorvane::service {

using quorvane::escapeHtml;

// The page of one player: name, team and position, then a row of totals and per-game figures
// for every season the file holds.
std::string playerPageHtml(int playerid, const std::vector<PlayerSeason>& seasons);

}  // namespace quorvane::service
