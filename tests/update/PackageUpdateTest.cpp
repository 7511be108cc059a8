// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SigningKey.h"
#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "platform/Sha256.h"
#include "session/PackageUpdateConversation.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"
#include "update/PackageOffer.h"

namespace quorvane::test {

namespace {

constexpr const char* kPackage = "not really a package, but bytes to check";
// What sha256sum prints for kPackage.
constexpr const char* kPackageSha256 =
    "d3e4435464d227572dcf61ae781539deb5eb4ba59cfff43f4452390cda7b85ec";

struct RecordingInstaller final : PackageInstaller {
    InstallOutcome install(const std::string& path) override {
        installed.push_back(path);
        return {kind, "apt-get install -y " + path, kind == InstallOutcome::Kind::Failed ? 100 : 0};
    }
    InstallOutcome::Kind kind = InstallOutcome::Kind::Installed;
    std::vector<std::string> installed;
};

// Answers every download with the same bytes, reported as they "arrive" in parts of 16, and
// the outcome given.
struct FakeDownloader final : PackageDownloader {
    PackageDownload download(const std::string& url, long long sizeLimit,
                             const DownloadProgress& progress) override {
        urls.push_back(url);
        PackageDownload answer;
        answer.outcome = outcome;
        answer.status = 200;
        for (std::size_t sent = 16; sent < bytes.size(); sent += 16) {
            progress(static_cast<long long>(sent));
        }
        // A download that does not finish ends after its first 12 bytes.
        answer.received = outcome == PackageDownload::Outcome::Complete
                              ? static_cast<long long>(bytes.size())
                              : 12;
        answer.info = "test download (" + url + ")";
        if (outcome == PackageDownload::Outcome::NotConnected) {
            answer.failure = failure;
            answer.address = url;
        }
        if (static_cast<long long>(bytes.size()) > sizeLimit) {
            answer.outcome = PackageDownload::Outcome::TooLarge;
        } else if (outcome == PackageDownload::Outcome::Complete) {
            answer.bytes = bytes;
        }
        return answer;
    }
    std::string bytes = kPackage;
    PackageDownload::Outcome outcome = PackageDownload::Outcome::Complete;
    TransferFailure failure = TransferFailure::NoConnection;  // of a download NotConnected
    std::vector<std::string> urls;
};

std::string offer(const std::string& version, const std::string& sha256,
                  const std::string& file = "quorvane-basketball-draft_13.0.3_amd64.deb",
                  const std::string& size = "40") {
    return "version=" + version + "\r\nfile=" + file + "\r\nsize=" + size + "\r\nsha256=" + sha256 +
           "\r\n";
}

// A manifest as scripts/sign-package.sh writes it; by default the one of kPackage at 13.0.3.
std::string manifest(const std::string& version = "13.0.3",
                     const std::string& package = "quorvane-basketball-draft",
                     const std::string& size = "40", const std::string& sha256 = kPackageSha256) {
    return "quorvane-update-manifest 1\npackage=" + package + "\nversion=" + version +
           "\nsize=" + size + "\nsha256=" + sha256 + "\n";
}

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One key for the whole test program: making one runs openssl twice.
const SigningKey& publisher() {
    static const SigningKey key;
    return key;
}

struct UpdateRun : ::testing::Test {
    PackageUpdateResult run(const std::string& announced = "1303") {
        PackageUpdateRequest request;
        request.serviceHost = "updates.example.org";
        request.announcedVersion = announced;
        request.appVersion = "13.0.2";
        request.saveFolder = (program.folder.path() / "downloads").string();
        request.ownFiles = ownFilesOf(program.state);
        request.publisherKey = publisherKey;
        return runPackageUpdate(request, transfer, downloader, program.dialogs,
                                Log(program.state.logFilePath), installer);
    }
    // The offer, then the manifest and the publisher's signature of it, as a signing
    // publisher's service answers; by default for kPackage at 13.0.3.
    void offerSignedPackage(const std::string& offerText = offer("1303", kPackageSha256),
                            const std::string& manifestText = manifest()) {
        transfer.answer(offerText);
        transfer.answer(manifestText);
        transfer.answer(publisher().signatureOf(manifestText));
    }
    // The update was refused with `text` before the package was fetched, and the log says why.
    void expectRefusedBeforeTheDownload(const std::string& text, const std::string& logged) {
        EXPECT_TRUE(downloader.urls.empty());
        expectNothingKept();
        EXPECT_EQ(program.dialogs.lastText(), text);
        ASSERT_FALSE(program.logLines().empty());
        EXPECT_NE(program.logLines().back().find(" error: update - " + text), std::string::npos)
            << program.logLines().back();
        EXPECT_NE(program.logLines().back().find(logged), std::string::npos)
            << program.logLines().back();
    }
    std::filesystem::path saved() const {
        return program.folder.path() / "downloads" / "quorvane-basketball-draft_13.0.3_amd64.deb";
    }
    void expectNothingKept() {
        EXPECT_TRUE(installer.installed.empty());
        EXPECT_FALSE(std::filesystem::exists(saved()));
    }
    TestProgram program;
    FakeTransfer transfer;
    FakeDownloader downloader;
    RecordingInstaller installer;
    std::string publisherKey = publisher().publicKeyPem();
};

}  // namespace

TEST(PackageOffer, ReadsTheFourLinesAndRefusesAnythingUnsafeOrMissing) {
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const auto good = parsePackageOffer(
        "version=1303\nfile=q_13.0.3_amd64.deb\nsize=2048\n"
        "sha256=BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB4"
        "10FF61F20015AD");
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->version, "1303");
    EXPECT_EQ(good->size, 2048);
    EXPECT_EQ(good->sha256, sha256Hex("abc"));

    const std::string sha = sha256Hex("abc");
    for (const std::string& bad :
         {offer("1303", sha, "../../etc/cron.d/x.deb"), offer("1303", sha, "/tmp/q.deb"),
          offer("1303", sha, "q.tar.gz"), offer("1303", sha, ".deb"), offer("1303", sha + "0"),
          offer("1303", sha.substr(1) + "g"), offer("13.0.3", sha), offer("1303", sha, "q deb.deb"),
          std::string("version=1303\nfile=q.deb\nsha256=") + sha}) {
        EXPECT_FALSE(parsePackageOffer(bad).has_value()) << bad;
    }
}

TEST_F(UpdateRun, AChecksumThatDiffersIsNeitherSavedNorInstalled) {
    offerSignedPackage(offer("1303", sha256Hex("abc")));

    EXPECT_EQ(run(), PackageUpdateResult::Refused);

    EXPECT_TRUE(installer.installed.empty());
    EXPECT_FALSE(std::filesystem::exists(saved()));
    ASSERT_EQ(program.dialogs.messages.size(), 1U);
    const std::string& text = program.dialogs.messages[0].text;
    EXPECT_NE(text.find("does not match its SHA-256 checksum, so it was not installed"),
              std::string::npos);
    EXPECT_NE(text.find("Expected: " + sha256Hex("abc")), std::string::npos);
    EXPECT_NE(text.find(std::string("Received: ") + kPackageSha256), std::string::npos);
    ASSERT_FALSE(program.logLines().empty());
    EXPECT_NE(program.logLines().back().find("does not match its SHA-256"), std::string::npos);
}

TEST_F(UpdateRun, AMatchingSignedPackageIsSavedAndHandedToThePackageTool) {
    offerSignedPackage();

    EXPECT_EQ(run(), PackageUpdateResult::Installed);

    EXPECT_EQ(transfer.urls, (std::vector<std::string>{
                                 "https://updates.example.org/draft/nba/update.asp",
                                 "https://updates.example.org/draft/nba/update.manifest",
                                 "https://updates.example.org/draft/nba/update.manifest.sig"}));
    EXPECT_EQ(downloader.urls,
              std::vector<std::string>{"https://updates.example.org/draft/nba/update.deb"});
    EXPECT_EQ(installer.installed, std::vector<std::string>{saved().string()});
    EXPECT_EQ(readAll(saved()), kPackage);
    EXPECT_EQ(program.dialogs.lastText(),
              "Version 1303 of the draft software was installed. Start the draft program again "
              "to use it.");
}

TEST_F(UpdateRun, WithoutTheRightsThePathAndTheCommandAreNamed) {
    installer.kind = InstallOutcome::Kind::NotPermitted;
    offerSignedPackage();

    EXPECT_EQ(run(), PackageUpdateResult::Saved);

    EXPECT_TRUE(std::filesystem::exists(saved()));
    EXPECT_NE(program.dialogs.lastText().find("The package was saved as " + saved().string()),
              std::string::npos);
    EXPECT_NE(program.dialogs.lastText().find("sudo apt install " + saved().string()),
              std::string::npos);
}

TEST_F(UpdateRun, RefusesAnOfferForAnotherVersionAndAServiceWithoutAPackage) {
    transfer.answer(offer("1304", kPackageSha256));
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_NE(program.dialogs.lastText().find("not of the announced version 1303"),
              std::string::npos);

    transfer.answer("No update package is offered", 404);
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.lastText(),
              "The projection service offers no package for version 1303.");
    // Neither run fetched the package itself.
    EXPECT_EQ(transfer.urls.size(), 2U);
    EXPECT_TRUE(downloader.urls.empty());
    EXPECT_TRUE(installer.installed.empty());
}

TEST_F(UpdateRun, AnEarlierFileOfThePackagesNameIsKeptReplacedOnYesOrRefused) {
    std::filesystem::create_directories(saved().parent_path());
    // The same package saved by an earlier run is used as it is, without a question.
    std::ofstream(saved(), std::ios::binary) << kPackage;
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    EXPECT_TRUE(program.dialogs.questions.empty());

    // Another file of that name stays unless the user says Yes.
    std::ofstream(saved(), std::ios::binary) << "the user's own file";
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(readAll(saved()), "the user's own file");
    ASSERT_EQ(program.dialogs.questions.size(), 1U);
    EXPECT_EQ(program.dialogs.questions[0].text,
              saved().string() + " already exists. Do you want to replace it?");
    EXPECT_EQ(program.dialogs.lastText(),
              "The package could not be saved as " + saved().string() +
                  ", so nothing was installed. " + saved().string() +
                  " already exists and was left as it is; --force replaces it.");
    program.dialogs.answers = {true};
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    EXPECT_EQ(readAll(saved()), kPackage);

    // Whatever the offer names, it never takes the place of the league's database.
    std::filesystem::remove(saved());
    std::filesystem::create_symlink(program.state.connectionString, saved());
    const std::string database = readAll(program.state.connectionString);
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(readAll(program.state.connectionString), database);
    EXPECT_NE(program.dialogs.lastText().find("is one of the draft program's own files"),
              std::string::npos);
    EXPECT_EQ(installer.installed.size(), 2U);
}

TEST_F(UpdateRun, WithoutAnAnnouncedVersionOnlyANewerOneIsFetched) {
    transfer.answer("1302");
    EXPECT_EQ(run(""), PackageUpdateResult::NothingToUpdate);
    EXPECT_EQ(transfer.urls,
              std::vector<std::string>{"https://updates.example.org/draft/nba/version.asp"});

    transfer.answer("1303\r\n");
    offerSignedPackage();
    EXPECT_EQ(run(""), PackageUpdateResult::Installed);

    // A service that cannot be reached has not said that nothing is newer: the run failed.
    EXPECT_EQ(run(""), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.messages.back().title, "Internet Connection Error");
}

TEST_F(UpdateRun, AManifestWithoutThePublishersValidSignatureRefusesTheUpdate) {
    const SigningKey otherPublisher;
    const std::string refusal =
        "The downloaded update is not signed by the publisher. Nothing was installed.";
    struct Case {
        std::string manifest;
        std::string signature;
        long status;
        std::string logged;
    };
    for (const Case& wrong : {
             // The publisher's signature, but of another manifest: one version put for another.
             Case{manifest("99.0.0"), publisher().signatureOf(manifest()), 200, "does not verify"},
             Case{manifest(), "No signed manifest is offered for the update package", 404,
                  "offers no /draft/nba/update.manifest.sig: HTTP 404"},
             Case{manifest(), otherPublisher.signatureOf(manifest()), 200, "does not verify"},
             Case{manifest(), "", 200, "manifest: the signature is 0 bytes, not 64"},
             // The package's own signature, as updaters before the manifest checked it.
             Case{manifest(), publisher().signatureOf(kPackage), 200, "does not verify"},
         }) {
        transfer.answer(offer("1303", kPackageSha256));
        transfer.answer(wrong.manifest);
        transfer.answer(wrong.signature, wrong.status);

        EXPECT_EQ(run(), PackageUpdateResult::Refused) << wrong.logged;

        expectRefusedBeforeTheDownload(refusal, wrong.logged);
    }
    // An old service offers no manifest at all.
    transfer.answer(offer("1303", kPackageSha256));
    transfer.answer("Error 404", 404);
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    expectRefusedBeforeTheDownload(refusal, "offers no /draft/nba/update.manifest: HTTP 404");
}

TEST_F(UpdateRun, OnlyASignedManifestOfThisProgramAtTheAnnouncedNewerVersionIsInstalled) {
    struct Case {
        std::string announced;
        std::string manifest;
        std::string text;
        std::string logged;
    };
    for (const Case& wrong : {
             // An older signed release offered as the newest.
             Case{"9900", manifest("13.0.1"),
                  "The offered update is version 13.0.1 of the draft software, not the announced "
                  "version 9900, so nothing was installed.",
                  ""},
             Case{"1303", manifest("13.0.4"),
                  "The offered update is version 13.0.4 of the draft software, not the announced "
                  "version 1303, so nothing was installed.",
                  ""},
             // Announced honestly, but older than this program, or this very version.
             Case{"1301", manifest("13.0.1"),
                  "The offered update is version 13.0.1, which is not newer than the installed "
                  "version 13.0.2, so nothing was installed. An update never takes the draft "
                  "software back to an earlier version.",
                  ""},
             Case{"1302", manifest("13.0.2-0"),
                  "The offered update is version 13.0.2-0, which is not newer than the installed "
                  "version 13.0.2, so nothing was installed. An update never takes the draft "
                  "software back to an earlier version.",
                  ""},
             // Another program of the same publisher, signed with the same key.
             Case{"9900", manifest("99.0.0", "quorvane-league-tools"),
                  "The offered update is a package of quorvane-league-tools, not of the draft "
                  "software (quorvane-basketball-draft), so nothing was installed.",
                  ""},
             // Signed, but not the form the updater reads: CR LF line ends, a repeated line.
             Case{"1303", "quorvane-update-manifest 1\r\npackage=quorvane-basketball-draft\r\n",
                  "The publisher's signed description of the update could not be read, so "
                  "nothing was installed.",
                  "line 1 is not \"quorvane-update-manifest 1\""},
             Case{"1303", manifest() + "sha256=" + kPackageSha256 + "\n",
                  "The publisher's signed description of the update could not be read, so "
                  "nothing was installed.",
                  "line 6 is one too many"},
         }) {
        offerSignedPackage(offer(wrong.announced, kPackageSha256), wrong.manifest);

        EXPECT_EQ(run(wrong.announced), PackageUpdateResult::Refused) << wrong.text;

        expectRefusedBeforeTheDownload(wrong.text, wrong.logged);
    }
}

TEST_F(UpdateRun, AManifestSignedForOtherBytesRefusesTheDownloadedPackage) {
    const std::string otherSha256 =
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    // The offer matches what arrives; the publisher signed other bytes for this version, of
    // another size or of the same.
    for (const std::string size : {"3", "40"}) {
        offerSignedPackage(offer("1303", kPackageSha256),
                           manifest("13.0.3", "quorvane-basketball-draft", size, otherSha256));

        EXPECT_EQ(run(), PackageUpdateResult::Refused);

        expectNothingKept();
        EXPECT_EQ(program.dialogs.lastText(),
                  "The downloaded package quorvane-basketball-draft_13.0.3_amd64.deb is not the "
                  "package the publisher signed for version 13.0.3, so it was not installed.");
        EXPECT_NE(
            program.logLines().back().find("(signed: " + size + " bytes, SHA-256 " + otherSha256 +
                                           "; received: 40 bytes, SHA-256 " + kPackageSha256 + ")"),
            std::string::npos)
            << program.logLines().back();
    }
    EXPECT_EQ(downloader.urls.size(), 2U);
}

TEST_F(UpdateRun, ABuildWithoutThePublishersKeyDownloadsNothingAndPointsToApt) {
    publisherKey.clear();

    EXPECT_EQ(run(), PackageUpdateResult::Refused);

    EXPECT_TRUE(transfer.urls.empty());
    EXPECT_TRUE(downloader.urls.empty());
    EXPECT_NE(program.dialogs.lastText().find("built without the publisher's key"),
              std::string::npos);
    EXPECT_NE(program.dialogs.lastText().find("sudo apt update && sudo apt install"),
              std::string::npos);
}

TEST_F(UpdateRun, TheDownloadShowsItsProgressAndAShortOrLongPackageIsRefused) {
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Installed);
    // 0 of 40, then 16 and 32 as they arrived, then done; the parts are a thousandth apart.
    EXPECT_EQ(program.dialogs.progressCalls, (std::vector<std::pair<long long, long long>>{
                                                 {0, 40}, {16, 40}, {32, 40}, {40, 40}}));

    // The checksum of what arrives, but an offer of another size.
    offerSignedPackage(
        offer("1303", kPackageSha256, "quorvane-basketball-draft_13.0.3_amd64.deb", "41"));
    std::filesystem::remove(saved());
    installer.installed.clear();
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_EQ(program.dialogs.lastText(),
              "The downloaded package quorvane-basketball-draft_13.0.3_amd64.deb is 40 bytes, not "
              "the 41 the projection service announced, so it was not installed.");

    offerSignedPackage(
        offer("1303", kPackageSha256, "quorvane-basketball-draft_13.0.3_amd64.deb", "39"));
    EXPECT_EQ(run(), PackageUpdateResult::Refused);
    EXPECT_EQ(program.dialogs.lastText(),
              "The projection service sent more than the 39 bytes it announced for "
              "quorvane-basketball-draft_13.0.3_amd64.deb, so nothing was installed.");
    expectNothingKept();
}

TEST_F(UpdateRun, ADownloadThatEndsEarlySaysHowInItsOwnWords) {
    struct Case {
        PackageDownload::Outcome outcome;
        std::string text;
    };
    const std::string file = "quorvane-basketball-draft_13.0.3_amd64.deb";
    for (const Case& unfinished : {
             Case{PackageDownload::Outcome::CutOff,
                  "The download of " + file +
                      " was cut off after 12 of 40 bytes, so nothing was installed. Please try "
                      "again."},
             Case{PackageDownload::Outcome::Stalled,
                  "The download of " + file +
                      " stalled and was stopped after 12 of 40 bytes, so nothing was installed. "
                      "Please try again later."},
             Case{PackageDownload::Outcome::TimedOut,
                  "The download of " + file +
                      " did not finish in time and was stopped after 12 of 40 bytes, so nothing "
                      "was installed. Please try again later."},
         }) {
        downloader.outcome = unfinished.outcome;
        offerSignedPackage();

        EXPECT_EQ(run(), PackageUpdateResult::Failed);

        EXPECT_EQ(program.dialogs.messages.back().title, "Software Update");
        EXPECT_EQ(program.dialogs.lastText(), unfinished.text);
        EXPECT_NE(program.logLines().back().find("(test download (https://updates.example.org"),
                  std::string::npos);
    }
    expectNothingKept();

    downloader.outcome = PackageDownload::Outcome::NotConnected;
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.messages.back().title, "Internet Connection Error");
    EXPECT_EQ(program.dialogs.lastText(), notConnectedText(""));

    // A certificate refused for the package alone (the offer came through) names the cause.
    downloader.failure = TransferFailure::CertificateUntrusted;
    offerSignedPackage();
    EXPECT_EQ(run(), PackageUpdateResult::Failed);
    EXPECT_EQ(program.dialogs.lastText(),
              "The certificate of https://updates.example.org is not signed by an authority this "
              "computer trusts (or has expired), so the connection was not trusted and nothing "
              "was sent.");
    expectNothingKept();
}

}  // namespace quorvane::test
