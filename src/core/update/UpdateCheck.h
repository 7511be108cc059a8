// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/Decision.h"

namespace quorvane {

class Log;
struct ProgramStore;
class UrlTransfer;

// Versions from this number on belong to a later product line and are never offered.
inline constexpr int kFirstUnofferedVersion = 1400;

inline constexpr std::string_view kUpdateTitle = "Software Update Available";
inline constexpr std::string_view kUpdateQuestion =
    "An update is available for the draft software.  Would you like to update your software "
    "now?";
inline constexpr const char* kUpdaterName = "quorvane-update";

enum class UpdateAction {
    Nothing,  // no service, no answer, not a number, or not newer
    Ask,      // offer the update
};

// The service's answer against the program's version: a whole number above the local number
// form and below 1400 is offered; anything else is not.
UpdateAction updateActionFor(std::string_view serviceAnswer, std::string_view appVersion);

struct UpdateCheck {
    bool serviceConfigured = false;
    std::optional<int> localVersion;
    std::string serviceAnswer;  // trimmed; empty when nothing came back
    UpdateAction action = UpdateAction::Nothing;
    // "Internet Connection Error" of an unreachable service, to be shown.
    std::optional<Message> failure;
};

// What the check needs to know of the program.
struct UpdateCheckRequest {
    std::string appVersion;
    std::string serviceHost;  // empty: no service configured
    std::string supportAddress;
};

// Asks the service for its newest version. Without a configured service nothing is requested;
// an unreachable service is logged and its message returned.
UpdateCheck checkForUpdate(const UpdateCheckRequest& request, const Log& log,
                           UrlTransfer& transfer);

// The question put before the updater is started.
Question updateQuestion();

// Starts a helper program with its arguments; false when it could not be started.
class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    virtual bool start(const std::string& path, const std::vector<std::string>& arguments) = 0;
};

// Starts programs with posix_spawn, detached from this one.
class SpawnLauncher final : public ProgramLauncher {
  public:
    bool start(const std::string& path, const std::vector<std::string>& arguments) override;
};

// What the updater is started with: message windows, the data folder (for the service's
// address and the log) and the version the service announced.
std::vector<std::string> updaterArguments(const ProgramStore& state,
                                          std::string_view announcedVersion);

// quorvane-update beside the executable.
std::string updaterPath();

// Starts the updater with the announced version. When it cannot be started, writes the log
// line and returns the message to show: ending the program because a helper is missing would
// leave the user with nothing.
std::optional<Message> startUpdater(ProgramLauncher& launcher, const std::string& updater,
                                    const ProgramStore& store, std::string_view announcedVersion,
                                    const Log& log);

}  // namespace quorvane
