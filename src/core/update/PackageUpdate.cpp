// SPDX-License-Identifier: MIT
#include "update/PackageUpdate.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <variant>

#include "app/FetchUrlText.h"
#include "app/SafeFileWriter.h"
#include "app/ServiceEndpoints.h"
#include "app/UpdateCheck.h"
#include "app/UserDialogs.h"
#include "store/Log.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"
#include "update/PackageOffer.h"
#include "update/UpdateTrust.h"

namespace quorvane {

namespace {

constexpr std::string_view kTitle = "Software Update";
// Packages of the draft software are a few megabytes; an offer of far more is no update of it,
// and the download is held in memory until its signature is checked.
constexpr long long kLargestPackage = 256LL * 1024 * 1024;

std::string installCommandFor(const std::string& path) {
    return "sudo apt install " + path;
}

// `detail` goes to the log only.
PackageUpdateResult failed(UserDialogs& dialogs, const Log& log, const std::string& text,
                           PackageUpdateResult result = PackageUpdateResult::Failed,
                           const std::string& detail = {}) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    log.writeEntry(" error: update - " + line + (detail.empty() ? "" : " (" + detail + ")"));
    dialogs.showMessage(kTitle, text, MessageIcon::Exclamation);
    return result;
}

// The version to fetch: the announced one, or the service's newest when it is newer than this
// program. nullopt after the user was told why there is nothing to fetch.
std::optional<std::string> versionToFetch(const PackageUpdateRequest& request,
                                          UrlTransfer& transfer, UserDialogs& dialogs,
                                          const Log& log) {
    if (!request.announcedVersion.empty()) {
        return request.announcedVersion;
    }
    const std::string answer =
        fetchUrlText(transfer, dialogs, log, serviceUrl(request.serviceHost, kVersionPath),
                     request.supportAddress);
    if (answer.empty()) {
        return std::nullopt;
    }
    if (updateActionFor(answer, request.appVersion) != UpdateAction::Ask) {
        dialogs.showMessage(kTitle,
                            "No update is available: this is version " + request.appVersion +
                                " and the projection service offers nothing newer.",
                            MessageIcon::Information);
        return std::nullopt;
    }
    const auto begin = answer.find_first_not_of(" \t\r\n");
    return answer.substr(begin, answer.find_last_not_of(" \t\r\n") + 1 - begin);
}

PackageDownload downloadPackage(const PackageUpdateRequest& request, const PackageOffer& offer,
                                PackageDownloader& downloader, UserDialogs& dialogs) {
    const std::string label = "Downloading " + offer.fileName;
    const BusyPointer busy(dialogs);
    dialogs.progress(label, 0, offer.size);
    long long shown = 0;
    PackageDownload download =
        downloader.download(serviceUrl(request.serviceHost, kUpdatePackagePath), offer.size,
                            [&dialogs, &label, &shown, &offer](long long received) {
                                // In steps of a thousandth: a fast line would otherwise redraw for
                                // every block.
                                const long long step = received * 1000 / offer.size;
                                if (step != shown) {
                                    shown = step;
                                    dialogs.progress(label, received, offer.size);
                                }
                            });
    dialogs.progress(label, offer.size, offer.size);
    return download;
}

// The user told why a download brought no package; nullopt when it did.
std::optional<PackageUpdateResult> reportUnfinished(const PackageDownload& download,
                                                    const PackageOffer& offer,
                                                    const PackageUpdateRequest& request,
                                                    UserDialogs& dialogs, const Log& log) {
    const std::string arrived =
        std::to_string(download.received) + " of " + std::to_string(offer.size) + " bytes";
    switch (download.outcome) {
        case PackageDownload::Outcome::Complete:
            return std::nullopt;
        case PackageDownload::Outcome::NotConnected: {
            TransferAnswer answer({}, 0, download.info);
            answer.failure = download.failure;
            answer.address = download.address;
            reportNotConnected(dialogs, log, answer, request.supportAddress);
            return PackageUpdateResult::Failed;
        }
        case PackageDownload::Outcome::CutOff:
            return failed(dialogs, log,
                          "The download of " + offer.fileName + " was cut off after " + arrived +
                              ", so nothing was installed. Please try again.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::Stalled:
            return failed(dialogs, log,
                          "The download of " + offer.fileName + " stalled and was stopped after " +
                              arrived + ", so nothing was installed. Please try again later.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::TimedOut:
            return failed(dialogs, log,
                          "The download of " + offer.fileName +
                              " did not finish in time and was stopped after " + arrived +
                              ", so nothing was installed. Please try again later.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::TooLarge:
            break;
    }
    return failed(dialogs, log,
                  "The projection service sent more than the " + std::to_string(offer.size) +
                      " bytes it announced for " + offer.fileName + ", so nothing was installed.",
                  PackageUpdateResult::Refused, download.info);
}

PackageUpdateResult refused(UserDialogs& dialogs, const Log& log, const UpdateRefusal& refusal) {
    return failed(dialogs, log, refusal.text, PackageUpdateResult::Refused, refusal.detail);
}

// Fetches the publisher's manifest and its signature from beside the package and checks them
// against the announced version and this program. The user told why when the update is not to
// be installed; the manifest when it is.
std::variant<UpdateManifest, PackageUpdateResult> fetchTrustedManifest(
    const PackageUpdateRequest& request, const std::string& version, UrlTransfer& transfer,
    UserDialogs& dialogs, const Log& log) {
    std::string texts[2];
    const std::string_view paths[2] = {kUpdateManifestPath, kUpdateManifestSignaturePath};
    for (int i = 0; i < 2; ++i) {
        const TransferAnswer answer =
            fetchUrlQuietly(transfer, dialogs, serviceUrl(request.serviceHost, paths[i]));
        if (answer.status == 0) {
            reportNotConnected(dialogs, log, answer, request.supportAddress);
            return PackageUpdateResult::Failed;
        }
        if (answer.status != 200) {
            return refused(dialogs, log,
                           {std::string(kNotSignedMessage),
                            "the service offers no " + std::string(paths[i]) + ": " + answer.info});
        }
        texts[i] = answer.body;
    }
    auto manifest =
        trustedManifest(texts[0], texts[1], request.publisherKey, version, request.appVersion);
    if (const auto* refusal = std::get_if<UpdateRefusal>(&manifest)) {
        return refused(dialogs, log, *refusal);
    }
    return std::get<UpdateManifest>(std::move(manifest));
}

bool holdsBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ifstream file(path, std::ios::binary);
    std::string held(bytes.size() + 1, '\0');
    file.read(held.data(), static_cast<std::streamsize>(held.size()));
    return file.gcount() == static_cast<std::streamsize>(bytes.size()) &&
           std::string_view(held.data(), bytes.size()) == bytes;
}

// The package goes into the save folder under the name the offer gives. A file of that name that
// holds this very package is kept as it is; another one is replaced only when the user agrees.
FileWriteResult savePackage(const PackageUpdateRequest& request, const FileTarget& target,
                            const std::string& bytes, UserDialogs& dialogs) {
    std::error_code error;
    std::filesystem::create_directories(target.path.parent_path(), error);
    FileWriteResult written = writeFileSafely(target, request.ownFiles, bytes);
    if (written.problem != FileWriteProblem::Exists) {
        return written;
    }
    if (holdsBytes(target.path, bytes)) {
        return {};
    }
    if (!dialogs.askYesNo(kTitle, replaceFileQuestion(target.path))) {
        return written;
    }
    FileTarget replacing = target;
    replacing.replace = true;
    return writeFileSafely(replacing, request.ownFiles, bytes);
}

}  // namespace

PackageUpdateResult runPackageUpdate(const PackageUpdateRequest& request, UrlTransfer& transfer,
                                     PackageDownloader& downloader, UserDialogs& dialogs,
                                     const Log& log, PackageInstaller& installer) {
    if (request.serviceHost.empty()) {
        return failed(dialogs, log,
                      "No projection service is configured, so there is nowhere to download "
                      "the update from.");
    }
    const auto version = versionToFetch(request, transfer, dialogs, log);
    if (!version) {
        return request.announcedVersion.empty() ? PackageUpdateResult::NothingToUpdate
                                                : PackageUpdateResult::Failed;
    }
    if (request.publisherKey.empty()) {
        return failed(dialogs, log,
                      "Version " + *version +
                          " is available, but this copy of the draft software was built without "
                          "the publisher's key, so the updater cannot tell who made a download "
                          "and installs none. Please update with apt instead:\n"
                          "sudo apt update && sudo apt install quorvane-basketball-draft",
                      PackageUpdateResult::Refused);
    }

    const TransferAnswer offerAnswer =
        fetchUrlAnswer(transfer, dialogs, log, serviceUrl(request.serviceHost, kUpdateOfferPath),
                       request.supportAddress);
    if (offerAnswer.body.empty()) {
        return PackageUpdateResult::Failed;
    }
    if (offerAnswer.status != 200) {
        return failed(dialogs, log,
                      "The projection service offers no package for version " + *version + ".");
    }
    const auto offer = parsePackageOffer(offerAnswer.body);
    if (!offer) {
        return failed(dialogs, log,
                      "The projection service's description of the package could not be read, "
                      "so nothing was downloaded.",
                      PackageUpdateResult::Refused);
    }
    if (offer->version != *version) {
        return failed(dialogs, log,
                      "The projection service offers a package of version " + offer->version +
                          ", not of the announced version " + *version +
                          ", so nothing was installed.",
                      PackageUpdateResult::Refused);
    }
    if (offer->size > kLargestPackage) {
        return failed(dialogs, log,
                      "The projection service offers a package of " + std::to_string(offer->size) +
                          " bytes, far more than an update of the draft software, so nothing "
                          "was downloaded.",
                      PackageUpdateResult::Refused);
    }

    auto trusted = fetchTrustedManifest(request, *version, transfer, dialogs, log);
    if (const auto* result = std::get_if<PackageUpdateResult>(&trusted)) {
        return *result;
    }
    const UpdateManifest& manifest = std::get<UpdateManifest>(trusted);

    const PackageDownload package = downloadPackage(request, *offer, downloader, dialogs);
    if (const auto unfinished = reportUnfinished(package, *offer, request, dialogs, log)) {
        return *unfinished;
    }
    if (package.status != 200) {
        return failed(dialogs, log,
                      "The projection service did not send the package (" + package.info + ").");
    }
    // The cheap checks first; the bytes never reach the disk unless every check passes, so no
    // one can install them by mistake later.
    const std::string received = sha256Hex(package.bytes);
    if (received != offer->sha256) {
        return failed(dialogs, log,
                      "The downloaded package " + offer->fileName +
                          " does not match its SHA-256 checksum, so it was not installed.\n"
                          "Expected: " +
                          offer->sha256 + "\nReceived: " + received,
                      PackageUpdateResult::Refused);
    }
    if (static_cast<long long>(package.bytes.size()) != offer->size) {
        return failed(dialogs, log,
                      "The downloaded package " + offer->fileName + " is " +
                          std::to_string(package.bytes.size()) + " bytes, not the " +
                          std::to_string(offer->size) +
                          " the projection service announced, so it was not installed.",
                      PackageUpdateResult::Refused);
    }
    if (const auto refusal = refuseUnlistedBytes(manifest, package.bytes, offer->fileName)) {
        return refused(dialogs, log, *refusal);
    }

    const std::filesystem::path saved =
        std::filesystem::absolute(std::filesystem::path(request.saveFolder) / offer->fileName);
    const FileTarget target{saved, request.replaceExisting, {}};
    if (const FileWriteResult written = savePackage(request, target, package.bytes, dialogs);
        !written.ok()) {
        return failed(dialogs, log,
                      "The package could not be saved as " + saved.string() +
                          ", so nothing was installed. " + fileProblemText(written, target));
    }

    const InstallOutcome outcome = installer.install(saved.string());
    switch (outcome.kind) {
        case InstallOutcome::Kind::Installed:
            log.writeEntry(" update: installed " + saved.string() + " (" + outcome.command + ")");
            dialogs.showMessage(kTitle,
                                "Version " + *version +
                                    " of the draft software was installed. Start the draft "
                                    "program again to use it.",
                                MessageIcon::Information);
            return PackageUpdateResult::Installed;
        case InstallOutcome::Kind::NotPermitted:
            dialogs.showMessage(
                kTitle,
                "The update was downloaded and its checksum and signature checked, but "
                "installing it needs the administrator's rights. The package "
                "was saved as " +
                    saved.string() + "\nTo install it, run:\n" + installCommandFor(saved.string()),
                MessageIcon::Information);
            return PackageUpdateResult::Saved;
        case InstallOutcome::Kind::Failed:
            break;
    }
    return failed(dialogs, log,
                  "The package tool could not install the update (" + outcome.command +
                      " ended with status " + std::to_string(outcome.exitStatus) +
                      "). The package was saved as " + saved.string() + "\nTo install it, run:\n" +
                      installCommandFor(saved.string()));
}

std::string defaultUpdateSaveFolder() {
    namespace fs = std::filesystem;
    const char* home = std::getenv("HOME");
    const char* cache = std::getenv("XDG_CACHE_HOME");
    std::error_code error;
    if (home != nullptr && *home != '\0' && fs::is_directory(fs::path(home) / "Downloads", error)) {
        return (fs::path(home) / "Downloads").string();
    }
    if (cache != nullptr && *cache != '\0') {
        return (fs::path(cache) / "quorvane" / "updates").string();
    }
    if (home != nullptr && *home != '\0') {
        return (fs::path(home) / ".cache" / "quorvane" / "updates").string();
    }
    return (fs::temp_directory_path() / "quorvane-updates").string();
}

}  // namespace quorvane
