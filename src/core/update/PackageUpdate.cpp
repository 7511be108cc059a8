// SPDX-License-Identifier: MIT
#include "update/PackageUpdate.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <variant>

#include "platform/Log.h"
#include "platform/SafeFileWriter.h"
#include "platform/ServiceEndpoints.h"
#include "platform/Sha256.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"
#include "update/PackageOffer.h"
#include "update/ServiceFetch.h"
#include "update/UpdateCheck.h"
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

PackageUpdateReport told(PackageUpdateResult result, std::string text,
                         MessageIcon icon = MessageIcon::Information) {
    return {result, Message{std::string(kTitle), std::move(text), icon}};
}

// `detail` goes to the log only.
PackageUpdateReport failed(const Log& log, const std::string& text,
                           PackageUpdateResult result = PackageUpdateResult::Failed,
                           const std::string& detail = {}) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    log.writeEntry(" error: update - " + line + (detail.empty() ? "" : " (" + detail + ")"));
    return told(result, text, MessageIcon::Exclamation);
}

PackageUpdateReport notConnected(const Log& log, const TransferAnswer& answer,
                                 const PackageUpdateRequest& request) {
    return {PackageUpdateResult::Failed, reportNotConnected(log, answer, request.supportAddress)};
}

// The version to fetch: the announced one, or the service's newest when it is newer than this
// program; else why there is nothing to fetch.
std::variant<std::string, PackageUpdateReport> versionToFetch(const PackageUpdateRequest& request,
                                                              UrlTransfer& transfer,
                                                              const Log& log) {
    if (!request.announcedVersion.empty()) {
        return request.announcedVersion;
    }
    FetchedAnswer fetched = fetchUrlAnswer(
        transfer, log, serviceUrl(request.serviceHost, kVersionPath), request.supportAddress);
    if (fetched.failure) {
        // An unreachable service is a failure, not an answer that nothing is newer.
        return PackageUpdateReport{PackageUpdateResult::Failed, std::move(fetched.failure)};
    }
    const std::string& answer = fetched.answer.body;
    if (updateActionFor(answer, request.appVersion) != UpdateAction::Ask) {
        return told(PackageUpdateResult::NothingToUpdate,
                    "No update is available: this is version " + request.appVersion +
                        " and the projection service offers nothing newer.");
    }
    const auto begin = answer.find_first_not_of(" \t\r\n");
    return answer.substr(begin, answer.find_last_not_of(" \t\r\n") + 1 - begin);
}

PackageDownload downloadPackage(const PackageUpdateRequest& request, const PackageOffer& offer,
                                PackageDownloader& downloader, const Progress& progress) {
    const std::string label = "Downloading " + offer.fileName;
    progress(label, 0, offer.size);
    long long shown = 0;
    PackageDownload download =
        downloader.download(serviceUrl(request.serviceHost, kUpdatePackagePath), offer.size,
                            [&progress, &label, &shown, &offer](long long received) {
                                // In steps of a thousandth: a fast line would otherwise redraw for
                                // every block.
                                const long long step = received * 1000 / offer.size;
                                if (step != shown) {
                                    shown = step;
                                    progress(label, received, offer.size);
                                }
                            });
    progress(label, offer.size, offer.size);
    return download;
}

// Why a download brought no package; nullopt when it did.
std::optional<PackageUpdateReport> reportUnfinished(const PackageDownload& download,
                                                    const PackageOffer& offer,
                                                    const PackageUpdateRequest& request,
                                                    const Log& log) {
    const std::string arrived =
        std::to_string(download.received) + " of " + std::to_string(offer.size) + " bytes";
    switch (download.outcome) {
        case PackageDownload::Outcome::Complete:
            return std::nullopt;
        case PackageDownload::Outcome::NotConnected: {
            TransferAnswer answer({}, 0, download.info);
            answer.failure = download.failure;
            answer.address = download.address;
            return notConnected(log, answer, request);
        }
        case PackageDownload::Outcome::CutOff:
            return failed(log,
                          "The download of " + offer.fileName + " was cut off after " + arrived +
                              ", so nothing was installed. Please try again.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::Stalled:
            return failed(log,
                          "The download of " + offer.fileName + " stalled and was stopped after " +
                              arrived + ", so nothing was installed. Please try again later.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::TimedOut:
            return failed(log,
                          "The download of " + offer.fileName +
                              " did not finish in time and was stopped after " + arrived +
                              ", so nothing was installed. Please try again later.",
                          PackageUpdateResult::Failed, download.info);
        case PackageDownload::Outcome::TooLarge:
            break;
    }
    return failed(log,
                  "The projection service sent more than the " + std::to_string(offer.size) +
                      " bytes it announced for " + offer.fileName + ", so nothing was installed.",
                  PackageUpdateResult::Refused, download.info);
}

PackageUpdateReport refused(const Log& log, const UpdateRefusal& refusal) {
    return failed(log, refusal.text, PackageUpdateResult::Refused, refusal.detail);
}

// Fetches the publisher's manifest and its signature from beside the package and checks them
// against the announced version and this program: the manifest when the update may go on, else
// why not.
std::variant<UpdateManifest, PackageUpdateReport> fetchTrustedManifest(
    const PackageUpdateRequest& request, const std::string& version, UrlTransfer& transfer,
    const Log& log) {
    std::string texts[2];
    const std::string_view paths[2] = {kUpdateManifestPath, kUpdateManifestSignaturePath};
    for (int i = 0; i < 2; ++i) {
        const TransferAnswer answer =
            fetchUrlQuietly(transfer, serviceUrl(request.serviceHost, paths[i]));
        if (answer.status == 0) {
            return notConnected(log, answer, request);
        }
        if (answer.status != 200) {
            return refused(log,
                           {std::string(kNotSignedMessage),
                            "the service offers no " + std::string(paths[i]) + ": " + answer.info});
        }
        texts[i] = answer.body;
    }
    auto manifest =
        trustedManifest(texts[0], texts[1], request.publisherKey, version, request.appVersion);
    if (const auto* refusal = std::get_if<UpdateRefusal>(&manifest)) {
        return refused(log, *refusal);
    }
    return std::get<UpdateManifest>(std::move(manifest));
}

// The offer the service makes for `version`, checked before anything is downloaded.
std::variant<PackageOffer, PackageUpdateReport> fetchOffer(const PackageUpdateRequest& request,
                                                           const std::string& version,
                                                           UrlTransfer& transfer, const Log& log) {
    FetchedAnswer fetched = fetchUrlAnswer(
        transfer, log, serviceUrl(request.serviceHost, kUpdateOfferPath), request.supportAddress);
    if (fetched.answer.body.empty()) {
        return PackageUpdateReport{PackageUpdateResult::Failed, std::move(fetched.failure)};
    }
    if (fetched.answer.status != 200) {
        return failed(log, "The projection service offers no package for version " + version + ".");
    }
    const auto offer = parsePackageOffer(fetched.answer.body);
    if (!offer) {
        return failed(log,
                      "The projection service's description of the package could not be read, "
                      "so nothing was downloaded.",
                      PackageUpdateResult::Refused);
    }
    if (offer->version != version) {
        return failed(log,
                      "The projection service offers a package of version " + offer->version +
                          ", not of the announced version " + version +
                          ", so nothing was installed.",
                      PackageUpdateResult::Refused);
    }
    if (offer->size > kLargestPackage) {
        return failed(log,
                      "The projection service offers a package of " + std::to_string(offer->size) +
                          " bytes, far more than an update of the draft software, so nothing "
                          "was downloaded.",
                      PackageUpdateResult::Refused);
    }
    return *offer;
}

bool holdsBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ifstream file(path, std::ios::binary);
    std::string held(bytes.size() + 1, '\0');
    file.read(held.data(), static_cast<std::streamsize>(held.size()));
    return file.gcount() == static_cast<std::streamsize>(bytes.size()) &&
           std::string_view(held.data(), bytes.size()) == bytes;
}

Question replaceQuestion(const CheckedPackage& package) {
    return {std::string(kTitle), replaceFileQuestion(package.target)};
}

// The package goes into the save folder under the name the offer gives. A file of that name that
// holds this very package is kept as it is; another one is replaced only when the request or
// the person allows it.
FileWriteResult savePackage(const PackageUpdateRequest& request, const CheckedPackage& package,
                            const Consent& consent) {
    const FileTarget target{package.target, request.replaceExisting, {}};
    std::error_code error;
    std::filesystem::create_directories(target.path.parent_path(), error);
    FileWriteResult written = writeFileSafely(target, request.ownFiles, package.bytes);
    if (written.problem != FileWriteProblem::Exists) {
        return written;
    }
    if (holdsBytes(target.path, package.bytes)) {
        return {};
    }
    if (!consent.covers(replaceQuestion(package))) {
        return written;
    }
    FileTarget replacing = target;
    replacing.replace = true;
    return writeFileSafely(replacing, request.ownFiles, package.bytes);
}

}  // namespace

std::variant<CheckedPackage, PackageUpdateReport> fetchCheckedPackage(
    const PackageUpdateRequest& request, UrlTransfer& transfer, PackageDownloader& downloader,
    const Log& log, const Progress& progress) {
    if (request.serviceHost.empty()) {
        return failed(log,
                      "No projection service is configured, so there is nowhere to download "
                      "the update from.");
    }
    auto version = versionToFetch(request, transfer, log);
    if (auto* report = std::get_if<PackageUpdateReport>(&version)) {
        return std::move(*report);
    }
    const std::string& announced = std::get<std::string>(version);
    if (request.publisherKey.empty()) {
        return failed(log,
                      "Version " + announced +
                          " is available, but this copy of the draft software was built without "
                          "the publisher's key, so the updater cannot tell who made a download "
                          "and installs none. Please update with apt instead:\n"
                          "sudo apt update && sudo apt install quorvane-basketball-draft",
                      PackageUpdateResult::Refused);
    }
    auto offered = fetchOffer(request, announced, transfer, log);
    if (auto* report = std::get_if<PackageUpdateReport>(&offered)) {
        return std::move(*report);
    }
    const PackageOffer& offer = std::get<PackageOffer>(offered);
    auto trusted = fetchTrustedManifest(request, announced, transfer, log);
    if (auto* report = std::get_if<PackageUpdateReport>(&trusted)) {
        return std::move(*report);
    }
    const UpdateManifest& manifest = std::get<UpdateManifest>(trusted);

    PackageDownload package = downloadPackage(request, offer, downloader, progress);
    if (auto unfinished = reportUnfinished(package, offer, request, log)) {
        return std::move(*unfinished);
    }
    if (package.status != 200) {
        return failed(log,
                      "The projection service did not send the package (" + package.info + ").");
    }
    // The cheap checks first; the bytes never reach the disk unless every check passes, so no
    // one can install them by mistake later.
    const std::string received = sha256Hex(package.bytes);
    if (received != offer.sha256) {
        return failed(log,
                      "The downloaded package " + offer.fileName +
                          " does not match its SHA-256 checksum, so it was not installed.\n"
                          "Expected: " +
                          offer.sha256 + "\nReceived: " + received,
                      PackageUpdateResult::Refused);
    }
    if (static_cast<long long>(package.bytes.size()) != offer.size) {
        return failed(log,
                      "The downloaded package " + offer.fileName + " is " +
                          std::to_string(package.bytes.size()) + " bytes, not the " +
                          std::to_string(offer.size) +
                          " the projection service announced, so it was not installed.",
                      PackageUpdateResult::Refused);
    }
    if (const auto refusal = refuseUnlistedBytes(manifest, package.bytes, offer.fileName)) {
        return refused(log, *refusal);
    }
    return CheckedPackage{
        announced, offer.fileName, std::move(package.bytes),
        std::filesystem::absolute(std::filesystem::path(request.saveFolder) / offer.fileName)};
}

Decision decideSavePackage(const PackageUpdateRequest& request, const CheckedPackage& package) {
    Decision decision;
    const FileTarget target{package.target, request.replaceExisting, {}};
    if (checkFileTarget(target, request.ownFiles).problem == FileWriteProblem::Exists &&
        !holdsBytes(package.target, package.bytes)) {
        decision.questions.push_back(replaceQuestion(package));
    }
    return decision;
}

PackageUpdateReport installCheckedPackage(const PackageUpdateRequest& request,
                                          const CheckedPackage& package, const Consent& consent,
                                          PackageInstaller& installer, const Log& log) {
    const std::string saved = package.target.string();
    if (const FileWriteResult written = savePackage(request, package, consent); !written.ok()) {
        const FileTarget target{package.target, request.replaceExisting, {}};
        return failed(log, "The package could not be saved as " + saved +
                               ", so nothing was installed. " + fileProblemText(written, target));
    }

    const InstallOutcome outcome = installer.install(saved);
    switch (outcome.kind) {
        case InstallOutcome::Kind::Installed:
            log.writeEntry(" update: installed " + saved + " (" + outcome.command + ")");
            return told(PackageUpdateResult::Installed,
                        "Version " + package.version +
                            " of the draft software was installed. Start the draft program "
                            "again to use it.");
        case InstallOutcome::Kind::NotPermitted:
            return told(PackageUpdateResult::Saved,
                        "The update was downloaded and its checksum and signature checked, but "
                        "installing it needs the administrator's rights. The package was saved "
                        "as " +
                            saved + "\nTo install it, run:\n" + installCommandFor(saved));
        case InstallOutcome::Kind::Failed:
            break;
    }
    return failed(log, "The package tool could not install the update (" + outcome.command +
                           " ended with status " + std::to_string(outcome.exitStatus) +
                           "). The package was saved as " + saved + "\nTo install it, run:\n" +
                           installCommandFor(saved));
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
