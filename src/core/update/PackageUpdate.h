// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "app/SafeFileWriter.h"
#include "update/UpdateTrust.h"

namespace quorvane {

class Log;
class PackageDownloader;
class PackageInstaller;
class UrlTransfer;
class UserDialogs;

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

// Fetches the publisher's signed manifest of the package the service offers for the announced
// version and checks it (UpdateTrust.h) before anything is downloaded; then downloads the
// package over HTTPS, with its progress shown, checks its SHA-256 and size against the offer and
// the manifest, and installs it through the installer. A package that fails a
// check is neither saved nor installed, and the user is told so. Every outcome is shown through
// the dialogs and every failure logged.
PackageUpdateResult runPackageUpdate(const PackageUpdateRequest& request, UrlTransfer& transfer,
                                     PackageDownloader& downloader, UserDialogs& dialogs,
                                     const Log& log, PackageInstaller& installer);

// The folder downloads are saved to: ~/Downloads when it exists, else
// ${XDG_CACHE_HOME:-~/.cache}/quorvane/updates.
std::string defaultUpdateSaveFolder();

}  // namespace quorvane
