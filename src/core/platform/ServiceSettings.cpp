// SPDX-License-Identifier: MIT
#include "platform/ServiceSettings.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/KeyValueLines.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

bool isHostNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.';
}

bool isValidPort(std::string_view port) {
    return !port.empty() && port.size() <= 5 && parseWholeNumber(port, 1, 65535).has_value();
}

}  // namespace

bool isValidServiceHost(std::string_view host) {
    std::string_view name = host;
    std::string_view port;
    if (!host.empty() && host.front() == '[') {
        const auto close = host.find(']');
        if (close == std::string_view::npos || close == 1) {
            return false;
        }
        for (char c : host.substr(1, close - 1)) {
            if (std::isxdigit(static_cast<unsigned char>(c)) == 0 && c != ':' && c != '.') {
                return false;
            }
        }
        const auto rest = host.substr(close + 1);
        if (rest.empty()) {
            return true;
        }
        return rest.front() == ':' && isValidPort(rest.substr(1));
    }
    if (const auto colon = host.find(':'); colon != std::string_view::npos) {
        name = host.substr(0, colon);
        port = host.substr(colon + 1);
        if (!isValidPort(port)) {
            return false;
        }
    }
    if (name.empty() || name.size() > 253 || name.front() == '.' || name.front() == '-') {
        return false;
    }
    for (char c : name) {
        if (!isHostNameCharacter(c)) {
            return false;
        }
    }
    return true;
}

ServiceSettings loadServiceSettings(const std::string& dataFolder) {
    ServiceSettings settings;
    if (!dataFolder.empty()) {
        std::ifstream file(std::filesystem::path(dataFolder) / kSettingsFileName, std::ios::binary);
        std::ostringstream contents;
        contents << file.rdbuf();
        const std::string text = contents.str();
        for (const KeyValueLine& line : readKeyValueLines(text)) {
            const std::string_view shown = trimmedView(line.text);
            if (shown.empty() || shown.front() == '#' || !line.value) {
                continue;
            }
            const std::string_view key = trimmedView(line.key);
            if (key == "serviceHost") {
                settings.serviceHost = trim(*line.value);
            } else if (key == "supportAddress") {
                settings.supportAddress = trim(*line.value);
            }
        }
    }
    if (const char* host = std::getenv("QUORVANE_SERVICE_HOST"); host != nullptr && *host != 0) {
        settings.serviceHost = trim(host);
    }
    if (!isValidServiceHost(settings.serviceHost)) {
        settings.serviceHost.clear();
    }
    return settings;
}

}  // namespace quorvane
