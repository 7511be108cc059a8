// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

#include "model/DraftModel.h"

namespace quorvane {

class Connection;

// The one draft model the program holds, with the state of the file it was read from: every
// row this connection changes and every commit of another program (data_version) makes it
// stale, so a caller never sees figures the file no longer holds. Changes the program makes to
// the model and to the file together (the valuation's figures) are accepted without a new read.
class DraftModelCache {
  public:
    // Whether the held model is the file's current one for this draft and season.
    bool holds(Connection& connection, int templateId, int projectionYear) const;
    void keep(Connection& connection, DraftModel model);
    // After the caller wrote to the file exactly what it changed in model().
    void acceptOwnChanges(Connection& connection);
    void forget();
    DraftModel* model() { return m_model ? &*m_model : nullptr; }

  private:
    struct FileState {
        std::optional<std::int64_t> dataVersion;
        std::int64_t totalChanges = 0;
        bool operator==(const FileState&) const = default;
    };
    static FileState fileState(Connection& connection);

    std::optional<DraftModel> m_model;
    FileState m_read;
};

}  // namespace quorvane
