// SPDX-License-Identifier: MIT
#include "draftconfig/DraftLookup.h"

#include "store/DraftTemplateRows.h"
#include "text/NumberText.h"

namespace quorvane {

DraftLookup findDraftByIdOrName(Connection& connection, const std::string& draft) {
    std::optional<int> found;
    if (const auto id = parseWholeNumber(draft, 0, 2147483647LL)) {
        found = draftIdWithId(connection, *id);
    }
    if (!found) {
        found = draftIdNamed(connection, trimRight(draft));
    }
    if (!found) {
        return DraftLookup{std::nullopt, "No draft with the id or name \"" + draft + "\""};
    }
    return DraftLookup{found, {}};
}

}  // namespace quorvane
