// League on the sample league: the built program, started in the league folder with
// "cup2026", writes exactly the files of examples/expected/cup2026, byte for byte (its
// manifest .league-files too), and lists them; the season file and the exports stay as
// they were.

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace league::testing {
namespace {

const std::filesystem::path kExamples(EXAMPLES_DIR);

TEST(LeagueSample, WritesTheExpectedSeasonByteForByte) {
    const FileMap league = filesBelow(kExamples / "league");
    const FileMap expected = filesBelow(kExamples / "expected" / "cup2026");
    ExecutableStart start;
    start.arguments = {"cup2026"};
    const RunResult result = runExecutable(LEAGUE_EXE, "", league, start);
    EXPECT_EQ(result.exitStatus, 0) << result.console;

    FileMap written = filesWritten(result, league);
    for (const auto& [name, bytes] : expected) {
        const auto file = written.find("cup2026/" + name);
        ASSERT_NE(file, written.end()) << name << " was not written";
        EXPECT_TRUE(file->second == bytes) << name << " differs from examples/expected/cup2026/" << name;
        // Every file is new, so every one is listed; the manifest is League's own.
        if (name != ".league-files") {
            EXPECT_NE(withUnixLineEnds(result.console).find("\n  " + name + "\n"), std::string::npos) << name;
        }
        written.erase(file);
    }
    for (const auto& entry : written) {
        ADD_FAILURE() << entry.first << " was written but is not expected";
    }
    for (const auto& [name, bytes] : league) {
        EXPECT_TRUE(result.files.at(name) == bytes) << name << " changed";
    }
}

// What the sample season posts on Discord: every message within Discord's 2,000
// characters (counted as Discord counts them, a character beyond U+FFFF twice), and
// every rider of the standings, in the order of standings.csv, in the standings'
// messages.
TEST(LeagueSample, DiscordMessagesFitTheLimitAndHoldEveryRiderInOrder) {
    const FileMap expected = filesBelow(kExamples / "expected" / "cup2026");
    std::string standings;
    std::size_t messages = 0;
    for (const auto& [name, bytes] : expected) {
        if (name.find("_discord") == std::string::npos) {
            continue;
        }
        ++messages;
        std::size_t length = 0;
        for (const char byte : bytes) {
            const auto value = static_cast<unsigned char>(byte);
            length += (value & 0xC0) == 0x80 ? 0 : value >= 0xF0 ? 2 : 1;
        }
        EXPECT_LE(length, 2000U) << name;
        if (name.rfind("standings_discord", 0) == 0) {
            standings += bytes;  // the files in the order of their numbers
        }
    }
    EXPECT_GT(messages, 0U);
    // The riders of the standings: the fourth field of each line of standings.csv.
    std::istringstream csv(expected.at("standings.csv"));
    std::string line;
    std::getline(csv, line);
    std::size_t riders = 0;
    std::size_t at = 0;
    while (std::getline(csv, line)) {
        std::istringstream fields(line);
        std::string rider;
        for (int field = 0; field < 4; ++field) {
            std::getline(fields, rider, ',');
        }
        at = standings.find("  " + rider + " ", at);
        ASSERT_NE(at, std::string::npos) << rider << " is not in the standings' messages after the rider before";
        ++riders;
    }
    EXPECT_GT(riders, 0U);
}

// The command line: the usage errors end with status 2 before anything is read or
// written; --version and --help as for the other programs.
TEST(LeagueCommandLine, UsageErrorsVersionAndHelp) {
    const FileMap league = filesBelow(kExamples / "league");
    const struct {
        std::vector<std::string> arguments;
        int exitStatus;
        std::string errorsStart;
        std::string consoleStart;
    } cases[] = {
        {{"--version"}, 0, "", std::string("League ") + LEAGUE_TOOLS_VERSION + "\n"},
        {{"-h"}, 0, "", "Usage: League [--new] [--check] [SEASON]\n"},
        {{"--charts", "cup2026"}, 2, "League: unknown option '--charts' (see League --help)\n", ""},
        {{"--new"}, 2, "League: --new needs the season's name", ""},
        {{"--new", "--check", "x"}, 2, "League: --new and --check do not go together", ""},
        {{"cup2026", "cup2027"}, 2, "League: one season file at a time", ""},
    };
    for (const auto& c : cases) {
        ExecutableStart start;
        start.arguments = c.arguments;
        start.separateErrors = true;
        const RunResult result = runExecutable(LEAGUE_EXE, "", league, start);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << c.arguments.front();
        EXPECT_EQ(withUnixLineEnds(result.errors).substr(0, c.errorsStart.size()), c.errorsStart)
            << c.arguments.front();
        EXPECT_EQ(withUnixLineEnds(result.console).substr(0, c.consoleStart.size()), c.consoleStart)
            << c.arguments.front();
        EXPECT_TRUE(filesWritten(result, league).empty()) << c.arguments.front();
    }
}

}  // namespace
}  // namespace league::testing
