// SPDX-License-Identifier: MIT
#pragma once

#include "store/SqlValue.h"

namespace quorvane {

// Ids (template, team, player, category) are bound as whole numbers. For the
// repositories' own files only: the names are too short for a header everyone includes.
inline SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}

}  // namespace quorvane
