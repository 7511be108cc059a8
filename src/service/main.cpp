// SPDX-License-Identifier: MIT
// quorvane-projection-service: serves projections, the version number, help and player pages to
// the draft program over HTTPS.
#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include <CLI/CLI.hpp>

#include "service/ProjectionService.h"
#include "service/UpdatePackage.h"
#include "service/UserFile.h"

namespace {

using quorvane::service::ProjectionService;
using quorvane::service::ServiceConfig;

// The help pages installed with the program (share/quorvane/help beside its bin folder); the
// source tree's copy only for a program that runs from its build folder.
std::string defaultHelpFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error).parent_path();
    const fs::path installed = program.parent_path() / "share" / "quorvane" / "help";
    if (error || fs::is_regular_file(installed / "da_index.htm", error)) {
        return installed.string();
    }
    const fs::path build = QUORVANE_BUILD_ROOT;
    const auto [buildEnd, programAt] =
        std::mismatch(build.begin(), build.end(), program.begin(), program.end());
    return buildEnd == build.end() ? std::string(QUORVANE_SERVICE_HELP_DIR) : installed.string();
}

// A publisher's checksum that the file does not match is served all the same (the updater then
// refuses the file), but the operator hears of it first.
void warnOfPackageMismatch(const ServiceConfig& config) {
    std::string reason;
    const auto package = config.packageFile.empty() || config.packageSha256.empty()
                             ? std::nullopt
                             : quorvane::service::UpdatePackage::load(config.packageFile, reason);
    std::string given = config.packageSha256;
    for (char& c : given) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (package && package->sha256 != given) {
        std::cerr << "warning: the SHA-256 of " << config.packageFile << " is " << package->sha256
                  << ", not the given " << config.packageSha256
                  << "; the updater will refuse the package\n";
    }
    if (!config.packageFile.empty() && config.packageManifestFile.empty()) {
        std::cerr << "warning: no --package-manifest is given; the updater installs only a "
                     "package whose manifest the publisher signed (scripts/sign-package.sh)\n";
    }
}

// A manifest for another package or version is served all the same (the updater then refuses
// the package), but the operator hears of it first.
void warnOfManifestMismatch(const ServiceConfig& config) {
    if (config.packageFile.empty() || config.packageManifestFile.empty()) {
        return;
    }
    std::string reason;
    auto package = quorvane::service::UpdatePackage::load(config.packageFile, reason);
    if (!package || !package->announceChecksum(config.packageSha256, reason) ||
        !package->loadManifest(config.packageManifestFile, reason)) {
        return;
    }
    const std::string mismatch = package->manifestMismatch(config.version);
    if (!mismatch.empty()) {
        std::cerr << "warning: " << config.packageManifestFile
                  << " does not fit the package and --version (wrong: " << mismatch
                  << "); the updater will refuse the package\n";
    }
}

int serve(ServiceConfig config, const std::string& listen) {
    if (!quorvane::service::parseListenAddress(listen, config.host, config.port)) {
        std::cerr << "error: --listen wants HOST:PORT, for example 127.0.0.1:8443\n";
        return 2;
    }
    // Signals are taken by a thread of their own, which stops the server cleanly.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    warnOfPackageMismatch(config);
    warnOfManifestMismatch(config);
    ProjectionService service(config);
    std::string reason;
    if (!service.start(reason)) {
        std::cerr << "error: " << reason << '\n';
        return 1;
    }
    std::cerr << "serving on https://" << config.host << ':' << service.port() << '\n';
    std::thread stopper([&service, signals] {
        int received = 0;
        sigwait(&signals, &received);
        service.stop();
    });
    const bool served = service.serve();
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return served ? 0 : 1;
}

int addUser(const std::string& file, const std::string& name) {
    std::string password;
    std::getline(std::cin, password);
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    std::string reason;
    if (!quorvane::service::addUser(file, name, password, reason)) {
        std::cerr << "error: " << reason << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Reference projection service for Quorvane Basketball Draft",
                 "quorvane-projection-service"};
    app.set_version_flag("--version",
                         std::string("quorvane-projection-service ") + QUORVANE_VERSION,
                         "Print the program's version");
    app.require_subcommand(1);

    ServiceConfig config;
    config.helpFolder = defaultHelpFolder();
    std::string listen = "127.0.0.1:8443";
    int authorisationMinutes = 10;
    CLI::App* serveCommand = app.add_subcommand("serve", "Serve over HTTPS until stopped");
    serveCommand->add_option("--listen", listen, "Address and port (default 127.0.0.1:8443)");
    serveCommand->add_option("--cert", config.certFile, "Certificate chain (PEM)")->required();
    serveCommand->add_option("--key", config.keyFile, "Private key (PEM)")->required();
    serveCommand->add_option("--projections", config.projectionsFile, "Projection CSV file")
        ->required();
    serveCommand
        ->add_option("--version", config.version,
                     "Newest program version without dots, for example 1303")
        ->required();
    serveCommand->add_option("--users", config.usersFile, "Users file (made by adduser)")
        ->required();
    serveCommand->add_option("--help-dir", config.helpFolder,
                             "Folder of the help pages (default: the installed ones)");
    serveCommand->add_option("--package", config.packageFile,
                             "Program package offered to the updater, with its SHA-256");
    serveCommand->add_option("--package-sha256", config.packageSha256,
                             "The SHA-256 the publisher gives for the package (default: the "
                             "file's own); the updater refuses a file that does not match it");
    serveCommand->add_option("--package-signature", config.packageSignatureFile,
                             "The publisher's signature of the package itself (made by "
                             "scripts/sign-package.sh, FILE.sig), which updaters older than "
                             "the signed manifest check");
    serveCommand->add_option("--package-manifest", config.packageManifestFile,
                             "The publisher's signed manifest of the package (PACKAGE.manifest, "
                             "made by scripts/sign-package.sh), its signature read from "
                             "FILE.sig beside it; the updater installs only a package whose "
                             "manifest is signed");
    serveCommand
        ->add_option("--download-limit", config.downloadLimit,
                     "Package downloads sent at once (default 64, at most half the "
                     "connections); more are asked to come back later")
        ->check(CLI::Range(1, 100000));
    serveCommand
        ->add_option("--grant-minutes", authorisationMinutes,
                     "How long a signed-in client may download (default 10)")
        ->check(CLI::Range(1, 1440));

    std::string usersFile;
    std::string userName;
    CLI::App* addUserCommand = app.add_subcommand(
        "adduser", "Add a user or change his password; the password is read from standard input");
    addUserCommand->add_option("FILE", usersFile, "Users file")->required();
    addUserCommand->add_option("NAME", userName, "User name")->required();

    CLI11_PARSE(app, argc, argv);
    if (*serveCommand) {
        config.authorisationLifetime = std::chrono::minutes(authorisationMinutes);
        return serve(config, listen);
    }
    return addUser(usersFile, userName);
}
