// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "CliRunner.h"
#include "platform/Version.h"

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

TEST(ChartCommand, NeverWritesTheDatabaseALinkOrAPipeAndReplacesAFileOnlyWithForce) {
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    CliRunner cli;
    ASSERT_EQ(cli.run({"init", "--empty"}).status, 0);
    ASSERT_EQ(cli.run({"new-draft", "Six", "--teams", "6", "--draft", "--rotisserie"}).status, 0);
    const std::filesystem::path folder = cli.folder().path();
    const auto chart = [&](const std::filesystem::path& out, bool force = false) {
        std::vector<std::string> arguments{"chart",     "Six",   "--kind",
                                           "standings", "--out", out.string()};
        if (force) {
            arguments.emplace_back("--force");
        }
        return cli.run(arguments);
    };
    const auto refusal = [](const test::CliRun& run) {
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        return run.err;
    };

    const auto database = folder / "players2019.db";
    EXPECT_EQ(refusal(chart(database, true)),
              "Chart: " + database.string() +
                  " is one of the draft program's own files (its database, log or settings) and "
                  "is never written over. Choose another file name.\n");
    std::filesystem::create_symlink(database, folder / "league.png");
    EXPECT_EQ(refusal(chart(folder / "league.png", true))
                  .rfind("Chart: " + (folder / "league.png").string() +
                             " is one of the draft program's own files",
                         0),
              0u);
    ASSERT_EQ(::mkfifo((folder / "pipe.png").c_str(), 0600), 0);
    EXPECT_EQ(refusal(chart(folder / "pipe.png", true)),
              "Chart: " + (folder / "pipe.png").string() +
                  " is not a regular file (it is a folder, a pipe or a device), so nothing was "
                  "written.\n");
    EXPECT_EQ(
        refusal(chart(folder / "standings.txt")),
        "Chart: The file name must end in .png: " + (folder / "standings.txt").string() + "\n");
    // The league is whole after all of that.
    EXPECT_EQ(cli.run({"drafts"}).out, "template_id,template_name,practice_of\n1,Six,\n");

    const auto out = folder / "standings.png";
    std::ofstream(out) << "last week's chart";
    EXPECT_EQ(refusal(chart(out)), "Chart: " + out.string() +
                                       " already exists and was left as it is; --force replaces "
                                       "it.\n");
    EXPECT_EQ(pngSize(out), (std::pair<unsigned, unsigned>{0, 0}));
    const auto replaced = chart(out, true);
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(pngSize(out), (std::pair<unsigned, unsigned>{1200, 700}));
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
