#include "support/run_harness.hpp"

#include <gtest/gtest.h>

namespace league::testing {
namespace {

// The harness starts a built program in a folder of its own, feeds it the answers and
// collects its console, status and files the same way on every system: the console
// with LF line ends and the system's own pause prompt, the pages byte for byte.
TEST(ExecutableHarness, ConsolePagesAndStatusAreTheSameOnEverySystem) {
    const struct {
        const char* name;
        std::string input;
        FileMap files;
        int exitStatus;
        std::string console;
        FileMap written;
    } cases[] = {
        {"data found", "lap\n", {{"data/lap.txt", "1:23.456"}}, 0, "Name?\n1:23.456\n",
         {{"lap.html", "<p>\r\n1:23.456\r\n</p>\r\n"}}},
        {"text with a byte above 127", "rider\n", {{"data/rider.txt", "J\xF6rg Renner"}}, 0,
         "Name?\nJ\xF6rg Renner\n", {{"rider.html", "<p>\r\nJ\xF6rg Renner\r\n</p>\r\n"}}},
        {"data missing", "race\nx", {{"data/lap.txt", "1:23.456"}}, 3,
         "Name?\nNo data for race!\n" + executablePausePrompt(), {}},
        {"no answer at all", "", {}, 3, "Name?\nNo data for !\n" + executablePausePrompt(), {}},
    };
    for (const auto& c : cases) {
        const RunResult result = runExecutable(CONSOLE_PROBE_EXE, c.input, c.files);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << c.name;
        EXPECT_EQ(withUnixLineEnds(result.console), c.console) << c.name;
        EXPECT_EQ(filesWritten(result, c.files), c.written) << c.name;
    }
}

}  // namespace
}  // namespace league::testing
