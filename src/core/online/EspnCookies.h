// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "online/AnswerJson.h"

namespace quorvane {

// The two browser cookies a private ESPN league is read with. They open the user's account, so
// they are kept only in a file he alone can read and never written to the log.
struct EspnCookies {
    std::string espnS2;
    std::string swid;  // with its braces: {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}

    // "Cookie: espn_s2=...; SWID={...}"
    std::string header() const;
    // The file's text: an espn_s2= line and a SWID= line.
    std::string fileText() const;
};

// The cookies from a file or pasted text: `espn_s2=...` and `SWID={...}` lines, also written as
// `name: value`, quoted, or on one line separated by semicolons as a browser copies them. A SWID
// without braces gets them. Refused: either one missing, or a value with blanks, control
// characters, quotes, commas or semicolons (which would change the request).
ParsedAnswer<EspnCookies> parseEspnCookies(std::string_view text);
// The same for the two values typed apart.
ParsedAnswer<EspnCookies> espnCookiesOf(std::string_view espnS2, std::string_view swid);

// The file that keeps the cookies of a draft's ESPN league, in the data folder.
std::string draftCookiesPath(const std::string& dataFolder, int templateId);
bool saveDraftCookies(const std::string& dataFolder, int templateId, const EspnCookies& cookies,
                      std::string& problem);
std::optional<EspnCookies> loadDraftCookies(const std::string& dataFolder, int templateId);

}  // namespace quorvane
