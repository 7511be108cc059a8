// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "model/DraftModel.h"

namespace quorvane {

class Connection;

// What one valuation run gives a player: written to his row of every season, so that the grid
// shows it beside last season's figures. A figure left empty keeps what the row holds.
struct StoredFigures {
    std::optional<double> dollars;
    std::optional<std::int64_t> draftorder;
};

// Writes to the file the rows whose figures differ from what the model holds (the caller holds
// the transaction) and then to the model, so that it stays what the file holds. False after
// the failing statement was logged; the model is then unchanged.
bool storeValues(Connection& connection, DraftModel& model,
                 const std::function<StoredFigures(const ModelPlayer& row)>& figuresOf);

}  // namespace quorvane
