// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::service {

// One player-season of the projection file, as far as the player page shows it.
struct PlayerSeason {
    int year = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;
    std::string team;
    std::string dob;
    std::vector<std::string> statistics;  // games .. tripledouble, in file order
    std::string revisiondate;
};

// The projection file the service hands out, held as read, with its players indexed by id for
// the player pages.
class ProjectionFile {
  public:
    // nullopt with a reason when the file cannot be read or has no "playerid," header.
    static std::optional<ProjectionFile> load(const std::string& path, std::string& reason);

    // The file exactly as it is served, CR LF line ends.
    const std::string& text() const { return m_text; }
    std::size_t playerCount() const { return m_players.size(); }
    // Every season of the player, newest first; empty for an unknown id.
    std::vector<PlayerSeason> seasonsOf(int playerid) const;

  private:
    std::string m_text;
    std::map<int, std::vector<PlayerSeason>> m_players;
};

}  // namespace quorvane::service
