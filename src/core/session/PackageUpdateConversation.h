// SPDX-License-Identifier: MIT
#pragma once

#include "update/PackageUpdate.h"

namespace quorvane {

class UserDialogs;

// The updater's conversation: fetches and checks the package with the busy pointer on and its
// download's progress shown, asks before a different file of its name is replaced, installs it
// and shows how the update ended.
PackageUpdateResult runPackageUpdate(const PackageUpdateRequest& request, UrlTransfer& transfer,
                                     PackageDownloader& downloader, UserDialogs& dialogs,
                                     const Log& log, PackageInstaller& installer);

}  // namespace quorvane
