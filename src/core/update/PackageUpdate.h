// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "app/SafeFileWriter.h"

namespace quorvane {

class Log;
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
    std::string appVersion;  // this program's version, "13.0.2"
    std::string saveFolder;  // where the downloaded package is kept
    // A different file of the package's name in the save folder is replaced without asking.
    bool replaceExisting = false;
    OwnFiles ownFiles;  // never written over, whatever name the offer gives
};

enum class PackageUpdateResult {
    Installed,
    Saved,            // downloaded and checked, but not installed: the user was told how
    NothingToUpdate,  // the service offers nothing newer
    Refused,          // checksum differs, wrong version, malformed offer: nothing kept
    Failed,           // no service, no connection, the file could not be saved or installed
};

// Downloads the package the service offers for the announced version over HTTPS, checks its
// SHA-256 against the offer and installs it through the installer. A package whose checksum
// differs is neither saved nor installed, and the user is told so. Every outcome is shown
// through the dialogs and every failure logged.
PackageUpdateResult runPackageUpdate(const PackageUpdateRequest& request, UrlTransfer& transfer,
                                     UserDialogs& dialogs, const Log& log,
                                     PackageInstaller& installer);

// The folder downloads are saved to: ~/Downloads when it exists, else
// ${XDG_CACHE_HOME:-~/.cache}/quorvane/updates.
std::string defaultUpdateSaveFolder();

}  // namespace quorvane
