// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/SafeFileWriter.h"
#include "update/UpdateTrust.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Progress.h"

namespace quorvane {

class Log;
class PackageDownloader;
class PackageInstaller;
class UrlTransfer;

// What the updater was asked to do.
struct PackageUpdateRequest {
    std::string serviceHost;
    std::string supportAddress;
    // The version the service announced to the draft program (dots removed); empty: ask the
    // service, and update only when it offers a newer version than this program's.
    std::string announcedVersion;
    std::string appVersion;  // this program's version, "13.0.2"; only newer ones are installed
    std::string saveFolder;  // where the downloaded package is kept
    // A different file of the package's name in the save folder is replaced without asking.
    bool replaceExisting = false;
    OwnFiles ownFiles;  // never written over, whatever name the offer gives
    // The publisher's Ed25519 public key (PEM) that every package's manifest must be signed
    // with; empty in a build made without one, which then installs no downloaded package.
    std::string publisherKey;
};

enum class PackageUpdateResult {
    Installed,
    Saved,            // downloaded and checked, but not installed: the user was told how
    NothingToUpdate,  // the service offers nothing newer
    Refused,          // checksum, size or signature wrong, another program's package, wrong
                      // or older version, malformed offer, no publisher's key: nothing kept
    Failed,           // no service, no connection, the file could not be saved or installed
};

// How an update ended, with what the person is told.
struct PackageUpdateReport {
    PackageUpdateResult result = PackageUpdateResult::Failed;
    std::optional<Message> message;
};

// A package downloaded and checked against the offer and the publisher's manifest, not yet
// written anywhere.
struct CheckedPackage {
    std::string version;
    std::string fileName;
    std::string bytes;
    std::filesystem::path target;  // where it is to be saved, absolute
};

// Fetches the publisher's signed manifest of the package the service offers for the announced
// version and checks it (UpdateTrust.h) before anything is downloaded; then downloads the
// package over HTTPS, reporting its progress, and checks its SHA-256 and size against the offer
// and the manifest. A package that fails a check is not kept; every failure is logged and its
// report says why.
std::variant<CheckedPackage, PackageUpdateReport> fetchCheckedPackage(
    const PackageUpdateRequest& request, UrlTransfer& transfer, PackageDownloader& downloader,
    const Log& log, const Progress& progress = {});

// The question before the package is saved: whether to replace a different file of its name
// in the save folder. None when there is no such file, it holds this very package, or the
// request replaces without asking.
Decision decideSavePackage(const PackageUpdateRequest& request, const CheckedPackage& package);

// Saves the checked package (replacing a different file of its name only as the request or the
// consent allows) and installs it through the installer. Every failure is logged.
PackageUpdateReport installCheckedPackage(const PackageUpdateRequest& request,
                                          const CheckedPackage& package, const Consent& consent,
                                          PackageInstaller& installer, const Log& log);

// The folder downloads are saved to: ~/Downloads when it exists, else
// ${XDG_CACHE_HOME:-~/.cache}/quorvane/updates.
std::string defaultUpdateSaveFolder();

}  // namespace quorvane
