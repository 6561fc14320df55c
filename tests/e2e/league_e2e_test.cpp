// League on the sample league: the built program, started in the league folder with
// "cup2026", writes exactly the files of examples/expected/cup2026, byte for byte, and
// lists them; the season file and the exports stay as they were.

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace league::testing {
namespace {

const std::filesystem::path kExamples(EXAMPLES_DIR);

FileMap filesBelow(const std::filesystem::path& root) {
    FileMap files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[std::filesystem::relative(entry.path(), root).generic_string()] = readFileBytes(entry.path());
        }
    }
    return files;
}

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
        EXPECT_NE(withUnixLineEnds(result.console).find("\n  " + name + "\n"), std::string::npos) << name;
        written.erase(file);
    }
    for (const auto& entry : written) {
        ADD_FAILURE() << entry.first << " was written but is not expected";
    }
    for (const auto& [name, bytes] : league) {
        EXPECT_TRUE(result.files.at(name) == bytes) << name << " changed";
    }
}

}  // namespace
}  // namespace league::testing
