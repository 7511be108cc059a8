// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "app/RunProgram.h"
#include "update/DebianVersion.h"
#include "update/UpdateManifest.h"

namespace quorvane::test {
namespace {

constexpr const char* kSha256 = "d3e4435464d227572dcf61ae781539deb5eb4ba59cfff43f4452390cda7b85ec";

const std::string kGood = std::string(
                              "quorvane-update-manifest 1\n"
                              "package=quorvane-basketball-draft\n"
                              "version=1:13.0.3-2\n"
                              "size=5242881\n"
                              "sha256=") +
                          kSha256 + "\n";

TEST(DebianVersions, AreOrderedAsThePackageToolOrdersThem) {
    struct Pair {
        const char* older;
        const char* newer;
    };
    for (const Pair& pair : {
             Pair{"13.0.2", "13.0.3"},
             // Numbers by value, not as text.
             Pair{"13.0.9", "13.0.10"},
             Pair{"13.0.99", "13.1"},
             Pair{"9999999999999999999.9", "99999999999999999999.1"},
             // A tilde before everything, even the end; letters before other signs.
             Pair{"13.0.3~rc1", "13.0.3"},
             Pair{"13.0.3~~", "13.0.3~"},
             Pair{"13.0.3", "13.0.3+b1"},
             Pair{"13.0.3a", "13.0.3.1"},
             Pair{"13.0.3-9", "13.0.3-10"},
             // The epoch outweighs everything after it.
             Pair{"99.0.0", "1:1.0"},
         }) {
        EXPECT_EQ(compareDebianVersions(pair.older, pair.newer), -1)
            << pair.older << " < " << pair.newer;
        EXPECT_EQ(compareDebianVersions(pair.newer, pair.older), 1)
            << pair.newer << " > " << pair.older;
        if (programOnPath("dpkg")) {
            EXPECT_EQ(runAndWait("dpkg", {"--compare-versions", pair.older, "lt", pair.newer}), 0)
                << "the package tool orders " << pair.older << " and " << pair.newer
                << " otherwise";
        }
    }
    // A missing revision is revision 0; leading zeros count for nothing.
    EXPECT_EQ(compareDebianVersions("13.0.3", "13.0.3-0"), 0);
    EXPECT_EQ(compareDebianVersions("013.00.3", "13.0.3"), 0);
    EXPECT_EQ(compareDebianVersions("0:13.0.3", "13.0.3"), 0);

    for (const char* bad : {"", "abc", "v13.0.3", ":13.0.3", "13.0.3:", "-1:13.0.3", "13.0.3-",
                            "13.0 3", "13_0", "1:2:3", "13.0.3-a_b", "13.0.3\n"}) {
        EXPECT_FALSE(isDebianVersion(bad)) << bad;
        EXPECT_EQ(compareDebianVersions(bad, "13.0.2"), std::nullopt) << bad;
    }
}

TEST(UpdateManifests, AreReadOnlyInTheirExactForm) {
    std::string reason;
    const auto good = parseUpdateManifest(kGood, reason);
    ASSERT_TRUE(good.has_value()) << reason;
    EXPECT_EQ(good->package, "quorvane-basketball-draft");
    EXPECT_EQ(good->version, "1:13.0.3-2");
    EXPECT_EQ(good->size, 5242881);
    EXPECT_EQ(good->sha256, kSha256);

    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    struct Case {
        std::string text;
        std::string reason;
    };
    for (const Case& bad : {
             Case{"", "the manifest's last line has no line end"},
             Case{kGood.substr(0, kGood.size() - 1), "the manifest's last line has no line end"},
             Case{replaced(kGood, "\n", "\r\n"), "line 1 is not"},
             Case{replaced(kGood, "version=", "version = "), "line 3 is not the version= line"},
             Case{replaced(kGood, "13.0.3-2", "13.0.3-2 "), "line 3 holds no Debian version"},
             Case{replaced(kGood, "package=", "Package="), "line 2 is not the package= line"},
             Case{replaced(kGood, "size=5242881", "size=\"5242881\""), "line 4 holds no size"},
             Case{replaced(kGood, "size=5242881", "size=05242881"), "line 4 holds no size"},
             Case{replaced(kGood, "size=5242881", "size=5e6"), "line 4 holds no size"},
             Case{replaced(kGood, "size=5242881", "size=-1"), "line 4 holds no size"},
             Case{replaced(kGood, "size=5242881", "size=9223372036854775808"),
                  "line 4 holds no size"},
             Case{replaced(kGood, "size=5242881", "size=null"), "line 4 holds no size"},
             Case{replaced(kGood, "sha256=d3", "sha256=D3"), "line 5 holds no SHA-256"},
             Case{replaced(kGood, "package=quorvane", "package=../quorvane"),
                  "line 2 holds no Debian package name"},
             Case{replaced(kGood, "\nversion=1:13.0.3-2\nsize=5242881",
                           "\nsize=5242881\nversion=1:13.0.3-2"),
                  "line 3 is not the version= line"},
             Case{kGood + "note=signed on a Friday\n", "line 6 is one too many"},
             Case{kGood + std::string("\0garbage\n", 9), "line 6 is one too many"},
             Case{kGood.substr(0, kGood.find("size=")), "the manifest ends after line 3"},
             Case{"quorvane-update-manifest 2\n" + kGood.substr(kGood.find('\n') + 1),
                  "line 1 is not"},
             Case{replaced(kGood, "draft\n", std::string("draft\0\n", 7)),
                  "line 2 holds no Debian package name"},
             Case{kGood + std::string(1100, '\n'), "more than 1024"},
         }) {
        reason.clear();
        EXPECT_FALSE(parseUpdateManifest(bad.text, reason).has_value()) << bad.text;
        EXPECT_NE(reason.find(bad.reason), std::string::npos) << reason;
    }
}

TEST(UpdateManifests, AnnounceAVersionByItsUpstreamNumber) {
    EXPECT_EQ(announcedNumberOf("13.0.3"), 1303);
    EXPECT_EQ(announcedNumberOf("1:13.0.3-2"), 1303);
    EXPECT_EQ(announcedNumberOf("13.0.3~rc1"), std::nullopt);
    EXPECT_EQ(announcedNumberOf("13.0.3-1-2"), std::nullopt);
}

}  // namespace
}  // namespace quorvane::test
