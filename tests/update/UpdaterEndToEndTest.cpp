// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LoopbackService.h"
#include "SigningKey.h"
#include "platform/CurlTransfer.h"
#include "platform/Log.h"
#include "platform/RunProgram.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"
#include "update/PackageUpdate.h"

namespace quorvane::test {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = "usr/share/quorvane-update-test/marker.txt";

// A real, small Debian package holding one text file, built with dpkg-deb.
std::string buildPackage(const TempFolder& folder) {
    const fs::path tree = folder.path() / "tree";
    fs::create_directories(tree / "DEBIAN");
    fs::create_directories((tree / kMarker).parent_path());
    std::ofstream(tree / "DEBIAN" / "control")
        << "Package: quorvane-update-test\nVersion: 13.0.3\nArchitecture: all\n"
           "Maintainer: Tests <tests@quorvane.org>\nDescription: a package for the updater test\n";
    std::ofstream(tree / kMarker) << "installed by the updater\n";
    const std::string package = (folder.path() / "quorvane-update-test_13.0.3_all.deb").string();
    const std::string command =
        "dpkg-deb --root-owner-group --build '" + tree.string() + "' '" + package + "' >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return package;
}

// The real download, but one byte of the package is changed on its way, as a broken line or a
// tampering proxy would.
class CorruptingDownloader final : public PackageDownloader {
  public:
    PackageDownload download(const std::string& url, long long sizeLimit,
                             const DownloadProgress& progress) override {
        PackageDownload answer = m_downloader.download(url, sizeLimit, progress);
        if (!answer.bytes.empty()) {
            answer.bytes[answer.bytes.size() / 2] ^= 0x01;
        }
        return answer;
    }

  private:
    CurlPackageDownloader m_downloader{trustedCertificate().certFile};
};

// The service offering a real package, signed with the key built into the tests' updater.
struct UpdaterAgainstService : ::testing::Test {
    PackageUpdateResult update(PackageDownloader& downloader) {
        PackageUpdateRequest request;
        request.serviceHost = service.host();
        request.announcedVersion = "1303";
        request.appVersion = "13.0.2";
        request.saveFolder = (work.path() / "saved").string();
        request.publisherKey = SigningKey::builtIntoTestProgram().publicKeyPem();
        CurlTransfer transfer(trustedCertificate().certFile);
        SystemPackageInstaller installer((work.path() / "root").string());
        return runPackageUpdate(request, transfer, downloader, program.dialogs,
                                Log(program.state.logFilePath), installer);
    }

    TestProgram program;
    TempFolder work;
    std::string package = buildPackage(work);
    std::string signature = SigningKey::builtIntoTestProgram().signFile(package);
    LoopbackService service{[this](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageSignatureFile = signature;
    }};
};

// Runs an updater program against the service with a temporary data folder; its exit status.
int runUpdater(const std::string& program, const LoopbackService& service, const TestProgram& data,
               const std::string& root, const std::string& saveFolder,
               const std::string& version = "1303") {
    return runAndWait(program,
                      {"--service", service.host(), "--root", root, "--save-dir", saveFolder,
                       "--no-pkexec", version},
                      {"QUORVANE_CA_BUNDLE=" + trustedCertificate().certFile,
                       "ASAN_OPTIONS=detect_leaks=0", "QUORVANE_DATA_DIR=" + data.folder.str()});
}

// Runs an updater program against a service that offers the package with the signature (and
// announces the checksum) given, expecting a refusal: exit status 1, nothing unpacked, nothing
// saved. The last line of the log.
std::string refusalLogged(const std::string& updater, const TempFolder& work,
                          const std::string& package, const std::string& signature,
                          const std::string& sha256 = {}) {
    TestProgram program;
    LoopbackService service([&](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageSignatureFile = signature;
        config.packageSha256 = sha256;
    });
    EXPECT_TRUE(service.started());
    const std::string root = (work.path() / "root").string();
    const std::string saved = (work.path() / "saved").string();

    EXPECT_EQ(runUpdater(updater, service, program, root, saved), 1);

    EXPECT_FALSE(fs::exists(root));
    EXPECT_FALSE(fs::exists(fs::path(saved) / "quorvane-update-test_13.0.3_all.deb"));
    const auto lines = program.logLines();
    return lines.empty() ? std::string() : lines.back();
}

}  // namespace

TEST_F(UpdaterAgainstService, InstallsTheSignedPackageIntoTheGivenRoot) {
    ASSERT_TRUE(service.started());
    CurlPackageDownloader downloader(trustedCertificate().certFile);

    EXPECT_EQ(update(downloader), PackageUpdateResult::Installed) << program.dialogs.lastText();

    EXPECT_TRUE(fs::is_regular_file(work.path() / "root" / kMarker));
    EXPECT_TRUE(fs::is_regular_file(work.path() / "saved" / "quorvane-update-test_13.0.3_all.deb"));
}

TEST_F(UpdaterAgainstService, RefusesAPackageChangedOnItsWay) {
    ASSERT_TRUE(service.started());
    CorruptingDownloader downloader;

    EXPECT_EQ(update(downloader), PackageUpdateResult::Refused);

    EXPECT_FALSE(fs::exists(work.path() / "root"));
    EXPECT_FALSE(fs::exists(work.path() / "saved" / "quorvane-update-test_13.0.3_all.deb"));
    EXPECT_NE(program.dialogs.lastText().find("does not match its SHA-256 checksum"),
              std::string::npos);
}

TEST_F(UpdaterAgainstService, TheUpdaterProgramInstallsWhatTheServiceOffers) {
    ASSERT_TRUE(service.started());
    const std::string root = (work.path() / "program-root").string();
    const std::string saved = (work.path() / "s").string();

    EXPECT_EQ(runUpdater(QUORVANE_TEST_KEY_UPDATE_PROGRAM, service, program, root, saved), 0);
    EXPECT_TRUE(fs::is_regular_file(fs::path(root) / kMarker));

    // The service announces 1303; asked for 1304 the updater installs nothing.
    const std::string otherRoot = (work.path() / "other-root").string();
    EXPECT_EQ(
        runUpdater(QUORVANE_TEST_KEY_UPDATE_PROGRAM, service, program, otherRoot, saved, "1304"),
        1);
    EXPECT_FALSE(fs::exists(otherRoot));

    // A forgotten folder never takes the next option as its name.
    EXPECT_EQ(runAndWait(QUORVANE_UPDATE_PROGRAM, {"--save-dir", "--no-pkexec", "1303"},
                         {"ASAN_OPTIONS=detect_leaks=0"}),
              2);
    EXPECT_FALSE(fs::exists("--no-pkexec"));
}

TEST(UpdaterProgram, RefusesAFileThatDoesNotMatchThePublishersChecksum) {
    TempFolder work;
    const std::string package = buildPackage(work);
    // The checksum of another file: the one on the service was replaced or damaged.
    const std::string logged =
        refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, package,
                      SigningKey::builtIntoTestProgram().signFile(package),
                      "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_NE(logged.find("does not match its SHA-256 checksum, so it was not installed"),
              std::string::npos);
}

TEST(UpdaterProgram, InstallsNothingThePublisherDidNotSignWhateverTheChecksum) {
    TempFolder work;
    const std::string package = buildPackage(work);
    // Signed by a key of the same kind, made the same way, but not the publisher's.
    const SigningKey stranger;
    for (const std::string& signature : {stranger.signFile(package), std::string()}) {
        const std::string logged =
            refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, package, signature);
        EXPECT_NE(logged.find(kNotSignedMessage), std::string::npos) << logged;
    }
}

TEST(UpdaterProgram, BuiltWithoutThePublishersKeyInstallsNoDownloadedUpdate) {
    if (QUORVANE_UPDATE_PROGRAM_HAS_KEY) {
        GTEST_SKIP() << "this build has the publisher's key (QUORVANE_UPDATE_PUBLIC_KEY)";
    }
    TempFolder work;
    const std::string package = buildPackage(work);
    const std::string logged = refusalLogged(QUORVANE_UPDATE_PROGRAM, work, package,
                                             SigningKey::builtIntoTestProgram().signFile(package));
    EXPECT_NE(logged.find("built without the publisher's key"), std::string::npos);
    EXPECT_NE(logged.find("sudo apt update"), std::string::npos);
}

}  // namespace quorvane::test
