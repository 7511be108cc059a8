// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "projections/ProjectionImport.h"

namespace quorvane {

struct ProgramStore;
class UrlTransfer;

inline constexpr std::string_view kUpdateProjectionsTitle = "Update Projections";
inline constexpr std::string_view kNoServiceMessage =
    "No projection service is configured, so projections cannot be downloaded. Set the "
    "projection service in the settings file of the data folder (serviceHost = host:port) or in "
    "QUORVANE_SERVICE_HOST, or choose a projection file with \"Select File\".";
inline constexpr std::string_view kNotAuthorisedMessage =
    "The projection service did not accept your user name and password. Please check them and "
    "try again.";
inline constexpr std::string_view kSignInsThrottledMessage =
    "The projection service is refusing sign-ins to this account for a while after several "
    "failed attempts. Please wait a few minutes, check your user name and password, and try "
    "again.";

// The projection service as the program was set up to reach it.
struct ProjectionService {
    std::string serviceHost;  // empty: none configured
    std::string supportAddress;
};

// The import the downloaded text is handed to; the download tests put a recorder here. Empty:
// the projection text import into the projection season.
using ProjectionTextImport =
    std::function<Outcome<ImportResult>(std::string_view text, const Progress& progress)>;

// "Update Projections": sends the account request with the trimmed, encoded user name and
// password, fetches the projection file and imports it. An account request that fails (no
// answer, the time-out, a failing service) stops with "Internet Connection Error"; one the
// service refuses stops with the refusal's own message; neither sends the projection request. A
// projection request that brings nothing back stops with "Internet Connection Error" too. The
// result is the import's. The caller then shows "Projection Update Complete!" for a result, runs
// the refresh cycle and closes the window.
Outcome<ImportResult> downloadProjections(ProgramStore& store, int projectionYear,
                                          const ProjectionService& service, UrlTransfer& transfer,
                                          std::string_view user, std::string_view password,
                                          const Progress& progress = {},
                                          const ProjectionTextImport& import = {});

}  // namespace quorvane
