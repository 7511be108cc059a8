// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

struct LoadedDraft;
struct ProgramState;
struct ProgramStore;

// What another program's writes changed, as far as an open window must follow it.
struct OutsideChange {
    // The open draft: its settings, slots, categories, teams, turn, picks, notes or targets.
    bool draft = false;
    // The player list (an import with new players or a newer revision, a custom player): the
    // search list is filled again.
    bool players = false;
    // Figures, flags, notes and projection edits of players.
    bool playerFigures = false;

    bool any() const { return draft || players || playerFigures; }
};

// Notices writes of other programs (the command line, a second window) to the open database.
// The program's own writes are never reported: SQLite counts only other connections' commits.
// Writes that leave what the user sees as it was (another window's valuation run writing the
// same values) are not reported either, so two open windows do not refresh each other forever.
class OutsideChangeWatch {
  public:
    // The first look only notes where the file stands. A later look after another program
    // changed what the user sees reloads the open draft's settings, teams and turn into the
    // state and tells what changed; otherwise nullopt.
    std::optional<OutsideChange> look(ProgramState& state);
    // The window has just shown the open draft as the file holds it (another draft opened in
    // it): what the file holds now is no change, and the next write to it is one, whoever
    // makes it.
    void shown(ProgramStore& store, const LoadedDraft& loaded);

  private:
    struct Stamps {
        std::optional<std::string> draft;
        std::optional<std::string> players;
        std::optional<std::string> playerFigures;
    };
    static Stamps read(ProgramStore& store, const LoadedDraft& loaded);

    std::optional<std::int64_t> m_version;
    Stamps m_stamps;
    int m_draftId = 0;
};

}  // namespace quorvane
