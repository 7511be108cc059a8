// SPDX-License-Identifier: MIT
// Placeholders until the import lands.
#include "projections/ProjectionImport.h"

namespace quorvane {

std::optional<ImportResult> importProjectionFile(ProgramState&, UserDialogs&, const std::string&) {
    return std::nullopt;
}
std::optional<ImportResult> importProjectionText(ProgramState&, UserDialogs&, std::string_view) {
    return std::nullopt;
}
std::string getRevisionText(ProgramState&, UserDialogs&) { return {}; }

}  // namespace quorvane
