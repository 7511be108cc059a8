// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "LoopbackService.h"
#include "SigningKey.h"
#include "platform/CurlTransfer.h"
#include "platform/Log.h"
#include "platform/RunProgram.h"
#include "session/PackageUpdateConversation.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"

namespace quorvane::test {

namespace {

namespace fs = std::filesystem;

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
    std::string package = buildDebianPackage(work);
    std::string signature = SigningKey::builtIntoTestProgram().signFile(package);
    LoopbackService service{[this](service::ServiceConfig& config) {
        config.packageFile = package;
        config.packageSignatureFile = signature;
        config.packageManifestFile = package + ".manifest";
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

// Runs an updater program, asked for `version`, against a service that offers the package as
// `adjust` sets it up, expecting a refusal: exit status 1, nothing unpacked, nothing saved. The
// last line of the log.
std::string refusalLogged(const std::string& updater, const TempFolder& work,
                          const std::string& package,
                          const std::function<void(service::ServiceConfig&)>& adjust,
                          const std::string& version = "1303") {
    TestProgram program;
    LoopbackService service([&](service::ServiceConfig& config) {
        config.packageFile = package;
        config.version = version;
        adjust(config);
    });
    EXPECT_TRUE(service.started());
    const std::string root = (work.path() / "root").string();
    const std::string saved = (work.path() / "saved").string();

    EXPECT_EQ(runUpdater(updater, service, program, root, saved, version), 1);

    EXPECT_FALSE(fs::exists(root));
    EXPECT_FALSE(fs::exists(fs::path(saved) / fs::path(package).filename()));
    const auto lines = program.logLines();
    return lines.empty() ? std::string() : lines.back();
}

// The package's manifest as scripts/sign-package.sh signed it.
std::function<void(service::ServiceConfig&)> signedWith(const SigningKey& key,
                                                        const std::string& package,
                                                        const std::string& sha256 = {}) {
    key.signFile(package);
    return [package, sha256](service::ServiceConfig& config) {
        config.packageManifestFile = package + ".manifest";
        config.packageSha256 = sha256;
    };
}

}  // namespace

TEST_F(UpdaterAgainstService, InstallsTheSignedPackageIntoTheGivenRoot) {
    ASSERT_TRUE(service.started());
    CurlPackageDownloader downloader(trustedCertificate().certFile);

    EXPECT_EQ(update(downloader), PackageUpdateResult::Installed) << program.dialogs.lastText();

    EXPECT_TRUE(fs::is_regular_file(work.path() / "root" / kPackageMarker));
    EXPECT_TRUE(
        fs::is_regular_file(work.path() / "saved" / "quorvane-basketball-draft_13.0.3_all.deb"));
}

TEST_F(UpdaterAgainstService, RefusesAPackageChangedOnItsWay) {
    ASSERT_TRUE(service.started());
    CorruptingDownloader downloader;

    EXPECT_EQ(update(downloader), PackageUpdateResult::Refused);

    EXPECT_FALSE(fs::exists(work.path() / "root"));
    EXPECT_FALSE(fs::exists(work.path() / "saved" / "quorvane-basketball-draft_13.0.3_all.deb"));
    EXPECT_NE(program.dialogs.lastText().find("does not match its SHA-256 checksum"),
              std::string::npos);
}

TEST_F(UpdaterAgainstService, TheUpdaterProgramInstallsWhatTheServiceOffers) {
    ASSERT_TRUE(service.started());
    const std::string root = (work.path() / "program-root").string();
    const std::string saved = (work.path() / "s").string();

    EXPECT_EQ(runUpdater(QUORVANE_TEST_KEY_UPDATE_PROGRAM, service, program, root, saved), 0);
    EXPECT_TRUE(fs::is_regular_file(fs::path(root) / kPackageMarker));

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
    const std::string package = buildDebianPackage(work);
    // The checksum of another file: the one on the service was replaced or damaged.
    const std::string logged = refusalLogged(
        QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, package,
        signedWith(SigningKey::builtIntoTestProgram(), package,
                   "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    EXPECT_NE(logged.find("does not match its SHA-256 checksum, so it was not installed"),
              std::string::npos);
}

TEST(UpdaterProgram, InstallsNothingThePublisherDidNotSignWhateverTheChecksum) {
    TempFolder work;
    const std::string package = buildDebianPackage(work);
    // Signed by a key of the same kind, made the same way, but not the publisher's.
    const SigningKey stranger;
    EXPECT_NE(refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, package,
                            signedWith(stranger, package))
                  .find(kNotSignedMessage),
              std::string::npos);
    // The package's own signature by the publisher, but no manifest.
    const std::string signature = SigningKey::builtIntoTestProgram().signFile(package);
    const std::string logged = refusalLogged(
        QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, package,
        [&](service::ServiceConfig& config) { config.packageSignatureFile = signature; });
    EXPECT_NE(logged.find(kNotSignedMessage), std::string::npos) << logged;
    EXPECT_NE(logged.find("offers no /draft/nba/update.manifest"), std::string::npos) << logged;
}

TEST(UpdaterProgram, RefusesTheOlderReleaseOrAnotherProgramOfferedAsTheNewest) {
    TempFolder work;
    const SigningKey& publisher = SigningKey::builtIntoTestProgram();
    const std::string older = buildDebianPackage(work, "quorvane-basketball-draft", "13.0.1");
    EXPECT_NE(refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, older,
                            signedWith(publisher, older), "9900")
                  .find("The offered update is version 13.0.1 of the draft software, not the "
                        "announced version 9900, so nothing was installed."),
              std::string::npos);
    EXPECT_NE(refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, older,
                            signedWith(publisher, older), "1301")
                  .find("which is not newer than the installed version"),
              std::string::npos);

    const std::string other = buildDebianPackage(work, "quorvane-league-tools", "99.0.0");
    EXPECT_NE(refusalLogged(QUORVANE_TEST_KEY_UPDATE_PROGRAM, work, other,
                            signedWith(publisher, other), "9900")
                  .find("is a package of quorvane-league-tools, not of the draft software"),
              std::string::npos);
}

TEST(UpdaterProgram, BuiltWithoutThePublishersKeyInstallsNoDownloadedUpdate) {
    if (QUORVANE_UPDATE_PROGRAM_HAS_KEY) {
        GTEST_SKIP() << "this build has the publisher's key (QUORVANE_UPDATE_PUBLIC_KEY)";
    }
    TempFolder work;
    const std::string package = buildDebianPackage(work);
    const std::string logged =
        refusalLogged(QUORVANE_UPDATE_PROGRAM, work, package,
                      signedWith(SigningKey::builtIntoTestProgram(), package));
    EXPECT_NE(logged.find("built without the publisher's key"), std::string::npos);
    EXPECT_NE(logged.find("sudo apt update"), std::string::npos);
}

}  // namespace quorvane::test
