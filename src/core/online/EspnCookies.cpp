// SPDX-License-Identifier: MIT
#include "online/EspnCookies.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "online/RoomFiles.h"
#include "text/LetterCase.h"

namespace quorvane {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.front())) != 0 ||
                             text.front() == '"' || text.front() == '\'')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (std::isspace(static_cast<unsigned char>(text.back())) != 0 ||
                             text.back() == '"' || text.back() == '\'')) {
        text.remove_suffix(1);
    }
    return text;
}

bool plainValue(std::string_view value) {
    return !value.empty() && value.size() <= 4096 &&
           std::all_of(value.begin(), value.end(), [](unsigned char c) {
               return c > 0x20 && c < 0x7F && c != ';' && c != ',' && c != '"' && c != '\'' &&
                      c != '\\';
           });
}

bool isSwid(std::string_view value) {
    // {8-4-4-4-12 hexadecimal digits}
    if (value.size() != 38 || value.front() != '{' || value.back() != '}') {
        return false;
    }
    for (std::size_t i = 1; i < 37; ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash ? value[i] != '-' : std::isxdigit(static_cast<unsigned char>(value[i])) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string EspnCookies::header() const {
    return "Cookie: espn_s2=" + espnS2 + "; SWID=" + swid;
}

std::string EspnCookies::fileText() const {
    return "espn_s2=" + espnS2 + "\nSWID=" + swid + "\n";
}

ParsedAnswer<EspnCookies> espnCookiesOf(std::string_view espnS2, std::string_view swid) {
    ParsedAnswer<EspnCookies> parsed;
    espnS2 = trimmed(espnS2);
    std::string braced(trimmed(swid));
    if (!braced.empty() && braced.front() != '{') {
        braced = "{" + braced + "}";
    }
    if (espnS2.empty() || braced.empty()) {
        parsed.problem = espnS2.empty() ? "espn_s2 is missing" : "SWID is missing";
    } else if (!plainValue(espnS2)) {
        parsed.problem = "espn_s2 holds characters no cookie has";
    } else if (!isSwid(braced)) {
        parsed.problem = "SWID is not of the form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    } else {
        parsed.value = EspnCookies{std::string(espnS2), braced};
    }
    return parsed;
}

ParsedAnswer<EspnCookies> parseEspnCookies(std::string_view text) {
    std::string espnS2;
    std::string swid;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of(";\r\n", start);
        const std::string_view part =
            trimmed(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
        const std::size_t mark = part.find_first_of("=:\t");
        if (mark != std::string_view::npos) {
            const std::string_view name = trimmed(part.substr(0, mark));
            const std::string_view value = trimmed(part.substr(mark + 1));
            if (equalsIgnoringCase(name, "espn_s2")) {
                espnS2 = value;
            } else if (equalsIgnoringCase(name, "swid")) {
                swid = value;
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return espnCookiesOf(espnS2, swid);
}

std::string draftCookiesPath(const std::string& dataFolder, int templateId) {
    return (std::filesystem::path(roomFilesFolder(dataFolder)) /
            ("espn-cookies-" + std::to_string(templateId) + ".txt"))
        .string();
}

bool saveDraftCookies(const std::string& dataFolder, int templateId, const EspnCookies& cookies,
                      std::string& problem) {
    return writePrivateFile(draftCookiesPath(dataFolder, templateId), cookies.fileText(), problem);
}

std::optional<EspnCookies> loadDraftCookies(const std::string& dataFolder, int templateId) {
    const auto text = readFreshFile(draftCookiesPath(dataFolder, templateId),
                                    std::chrono::hours(24 * 365 * 100), 64 * 1024);
    if (!text) {
        return std::nullopt;
    }
    return parseEspnCookies(*text).value;
}

}  // namespace quorvane
