// SPDX-License-Identifier: MIT
#include "text/KeyValueLines.h"

namespace quorvane {

std::vector<KeyValueLine> readKeyValueLines(std::string_view text, bool crLf) {
    std::vector<KeyValueLine> lines;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (crLf && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        KeyValueLine read{++number, line, line, std::nullopt};
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            read.key = line.substr(0, equals);
            read.value = line.substr(equals + 1);
        }
        lines.push_back(read);
    }
    return lines;
}

std::optional<std::string_view> lastValueOf(const std::vector<KeyValueLine>& lines,
                                            std::string_view key) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->value && line->key == key) {
            return line->value;
        }
    }
    return std::nullopt;
}

}  // namespace quorvane
