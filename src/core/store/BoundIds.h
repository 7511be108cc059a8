// SPDX-License-Identifier: MIT
#pragma once

#include "store/SqlValue.h"

namespace quorvane {

// Ids (template, team, player, category) are bound and read as whole numbers. For the
// repositories' own files only: the names are too short for a header everyone includes.
inline SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}
inline int idOf(const SqlValue& value) {
    return static_cast<int>(toInt(value));
}

}  // namespace quorvane
