// SPDX-License-Identifier: MIT
#include "store/SqlFunctions.h"

#include <string>

#include <sqlite3.h>

#include "text/NameFolding.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {
void vbformat(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const double value = sqlite3_value_double(argv[0]);
    const auto* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const std::string text = formatPattern(value, pattern ? pattern : "");
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

int compareNameTexts(void* /*unused*/, int leftSize, const void* left, int rightSize,
                     const void* right) {
    return compareNames(std::string_view(static_cast<const char*>(left),
                                         static_cast<std::size_t>(leftSize)),
                        std::string_view(static_cast<const char*>(right),
                                         static_cast<std::size_t>(rightSize)));
}
}  // namespace

void registerSqlFunctions(sqlite3* handle) {
    sqlite3_create_function(handle, "vbformat", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            &vbformat, nullptr, nullptr);
    sqlite3_create_collation_v2(handle, "NAMES", SQLITE_UTF8, nullptr, &compareNameTexts, nullptr);
}

}  // namespace quorvane
