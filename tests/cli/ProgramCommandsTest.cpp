// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "app/Version.h"

namespace quorvane {
namespace {

using test::CliRunner;

// Width and height from a PNG file's header; {0, 0} when it is no PNG.
std::pair<unsigned, unsigned> pngSize(const std::filesystem::path& file) {
    std::ifstream png(file, std::ios::binary);
    unsigned char head[24] = {};
    png.read(reinterpret_cast<char*>(head), sizeof head);
    if (!png || head[1] != 'P' || head[2] != 'N' || head[3] != 'G') {
        return {0, 0};
    }
    const auto bigEndian = [&head](int at) {
        return (unsigned{head[at]} << 24) | (unsigned{head[at + 1]} << 16) |
               (unsigned{head[at + 2]} << 8) | unsigned{head[at + 3]};
    };
    return {bigEndian(16), bigEndian(20)};
}

TEST(ChartCommand, TheDesktopProgramDrawsTheChartWithoutAWindow) {
    // The desktop program keeps the toolkit's allocations to its end; they are no leak of ours.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    CliRunner cli;
    ASSERT_EQ(cli.run({"init", "--empty"}).status, 0);
    ASSERT_EQ(cli.run({"new-draft", "Twelve", "--teams", "12", "--auction", "--rotisserie"}).status,
              0);
    const auto out = cli.folder().path() / "money.png";

    const auto drawn = cli.run({"chart", "Twelve", "--kind", "money", "--out", out.string()});

    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.out, "chart," + out.string() + "\n");
    EXPECT_EQ(pngSize(out), (std::pair<unsigned, unsigned>{1200, 700}));

    const auto missing = cli.run({"chart", "Nine", "--kind", "standings", "--out",
                                  (cli.folder().path() / "none.png").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Chart: The desktop program could not draw the chart"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(cli.folder().path() / "none.png"));

    EXPECT_EQ(cli.run({"chart", "Twelve", "--kind", "pie", "--out", out.string()}).status, 2);
}

TEST(ProgramFiles, VersionPathsAndTheManualPageComeFromTheProgramItself) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"--version"}).out, "quorvane-draft-cli " + std::string(kAppVersion) + "\n");

    const auto paths = cli.run({"paths"});
    EXPECT_EQ(paths.status, 0) << paths.out;
    const auto lines = paths.outLines();
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_TRUE(lines[1].starts_with("sample projections,") && lines[1].ends_with(".csv"));
    EXPECT_TRUE(lines[2].starts_with("nickname table,") && lines[2].ends_with("/nicknames.csv"));
    EXPECT_TRUE(lines[5].ends_with("/quorvane-draft")) << lines[5];
    EXPECT_EQ(lines[6], "data folder," + cli.folder().str());

    const std::string page = cli.run({"--manpage"}).out;
    EXPECT_TRUE(page.starts_with(".TH QUORVANE\\-DRAFT\\-CLI 1"));
    // Every command has its section, with its arguments and options.
    for (const char* section :
         {".SS \"init [\\-\\-empty]\"",
          ".SS \"chart DRAFT \\-\\-kind TEXT:{standings,targets,money} \\-\\-out",
          ".SS \"advise DRAFT", ".SS \"paths\"", ".SS \"check\\-update\""}) {
        EXPECT_NE(page.find(section), std::string::npos) << section;
    }
    EXPECT_NE(page.find(".B \\-\\-data\\-dir TEXT"), std::string::npos);
}

}  // namespace
}  // namespace quorvane
