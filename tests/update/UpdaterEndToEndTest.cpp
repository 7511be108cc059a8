// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "LoopbackService.h"
#include "app/CurlTransfer.h"
#include "app/RunProgram.h"
#include "store/Log.h"
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

// The real HTTPS client, but one byte of the package is changed on its way, as a broken line
// or a tampering proxy would.
class CorruptingTransfer final : public UrlTransfer {
  public:
    TransferAnswer fetch(const std::string& url) override {
        TransferAnswer answer = m_transfer.fetch(url);
        if (url.ends_with(".deb") && !answer.body.empty()) {
            answer.body[answer.body.size() / 2] ^= 0x01;
        }
        return answer;
    }

  private:
    CurlTransfer m_transfer{trustedCertificate().certFile};
};

struct UpdaterAgainstService : ::testing::Test {
    PackageUpdateResult update(UrlTransfer& transfer) {
        PackageUpdateRequest request;
        request.serviceHost = service.host();
        request.announcedVersion = "1303";
        request.appVersion = "13.0.2";
        request.saveFolder = (work.path() / "saved").string();
        SystemPackageInstaller installer((work.path() / "root").string());
        return runPackageUpdate(request, transfer, program.dialogs, Log(program.state.logFilePath),
                                installer);
    }

    TestProgram program;
    TempFolder work;
    std::string package = buildPackage(work);
    LoopbackService service{
        [this](service::ServiceConfig& config) { config.packageFile = package; }};
};

}  // namespace

TEST_F(UpdaterAgainstService, InstallsTheOfferedPackageIntoTheGivenRoot) {
    ASSERT_TRUE(service.started());
    CurlTransfer transfer(trustedCertificate().certFile);

    EXPECT_EQ(update(transfer), PackageUpdateResult::Installed) << program.dialogs.lastText();

    EXPECT_TRUE(fs::is_regular_file(work.path() / "root" / kMarker));
    EXPECT_TRUE(fs::is_regular_file(work.path() / "saved" / "quorvane-update-test_13.0.3_all.deb"));
}

TEST_F(UpdaterAgainstService, RefusesAPackageChangedOnItsWay) {
    ASSERT_TRUE(service.started());
    CorruptingTransfer transfer;

    EXPECT_EQ(update(transfer), PackageUpdateResult::Refused);

    EXPECT_FALSE(fs::exists(work.path() / "root"));
    EXPECT_FALSE(fs::exists(work.path() / "saved" / "quorvane-update-test_13.0.3_all.deb"));
    EXPECT_NE(program.dialogs.lastText().find("does not match its SHA-256 checksum"),
              std::string::npos);
}

TEST_F(UpdaterAgainstService, TheUpdaterProgramInstallsWhatTheServiceOffers) {
    ASSERT_TRUE(service.started());
    const std::string root = (work.path() / "program-root").string();
    const int status =
        runAndWait(QUORVANE_UPDATE_PROGRAM,
                   {"--service", service.host(), "--root", root, "--save-dir",
                    (work.path() / "s").string(), "--no-pkexec", "1303"},
                   {"QUORVANE_CA_BUNDLE=" + trustedCertificate().certFile,
                    "ASAN_OPTIONS=detect_leaks=0", "QUORVANE_DATA_DIR=" + program.folder.str()});

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(fs::is_regular_file(fs::path(root) / kMarker));

    // The service announces 1303; asked for 1304 the updater installs nothing.
    const std::string otherRoot = (work.path() / "other-root").string();
    EXPECT_EQ(runAndWait(QUORVANE_UPDATE_PROGRAM,
                         {"--service", service.host(), "--root", otherRoot, "--save-dir",
                          (work.path() / "s").string(), "1304"},
                         {"QUORVANE_CA_BUNDLE=" + trustedCertificate().certFile,
                          "QUORVANE_DATA_DIR=" + program.folder.str()}),
              1);
    EXPECT_FALSE(fs::exists(otherRoot));

    // A forgotten folder never takes the next option as its name.
    EXPECT_EQ(runAndWait(QUORVANE_UPDATE_PROGRAM, {"--save-dir", "--no-pkexec", "1303"},
                         {"ASAN_OPTIONS=detect_leaks=0"}),
              2);
    EXPECT_FALSE(fs::exists("--no-pkexec"));
}

TEST(UpdaterProgram, RefusesAFileThatDoesNotMatchThePublishersChecksum) {
    TestProgram program;
    TempFolder work;
    const std::string package = buildPackage(work);
    LoopbackService service([&](service::ServiceConfig& config) {
        config.packageFile = package;
        // The checksum of another file: the one on the service was replaced or damaged.
        config.packageSha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    });
    ASSERT_TRUE(service.started());
    const std::string root = (work.path() / "root").string();
    const std::string saved = (work.path() / "saved").string();

    EXPECT_EQ(
        runAndWait(QUORVANE_UPDATE_PROGRAM,
                   {"--service", service.host(), "--root", root, "--save-dir", saved, "1303"},
                   {"QUORVANE_CA_BUNDLE=" + trustedCertificate().certFile,
                    "ASAN_OPTIONS=detect_leaks=0", "QUORVANE_DATA_DIR=" + program.folder.str()}),
        1);

    EXPECT_FALSE(fs::exists(root));
    EXPECT_FALSE(fs::exists(fs::path(saved) / "quorvane-update-test_13.0.3_all.deb"));
    const auto lines = program.logLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find("does not match its SHA-256 checksum, so it was not installed"),
              std::string::npos);
}

}  // namespace quorvane::test
