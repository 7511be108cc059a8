// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The settings file in the data folder: "key = value" lines, "#" starts a comment line.
inline constexpr const char* kSettingsFileName = "quorvane-settings.conf";

struct ServiceSettings {
    std::string serviceHost;     // empty: no projection service
    std::string supportAddress;  // named in the "Internet Connection Error" window
};

// A host name, an IPv4 address or a bracketed IPv6 address, optionally followed by ":port".
// Anything else (a slash, "@", blanks) would change the address every request is sent to.
bool isValidServiceHost(std::string_view host);

// QUORVANE_SERVICE_HOST when set, else `serviceHost` of the settings file in the folder. A value
// that is not a valid host counts as none.
ServiceSettings loadServiceSettings(const std::string& dataFolder);

}  // namespace quorvane
