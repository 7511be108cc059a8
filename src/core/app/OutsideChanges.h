// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

struct ProgramState;

// What another program's writes changed, as far as an open window must follow it.
struct OutsideChange {
    // Players were added or their projections reloaded (an import, a custom player): the
    // search list is filled again.
    bool players = false;
};

// Notices writes of other programs (the command line, a second window) to the open database.
// The program's own writes are never reported: SQLite counts only other connections' commits.
class OutsideChangeWatch {
  public:
    // The first look only notes where the file stands. A later look after another program
    // committed reloads the open draft's settings, teams and turn into the state and tells what
    // else changed; otherwise nullopt.
    std::optional<OutsideChange> look(ProgramState& state);

  private:
    std::optional<std::int64_t> m_version;
    std::string m_players;
};

}  // namespace quorvane
