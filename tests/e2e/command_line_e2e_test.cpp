// The command line of the three built programs, each started in the sample league
// with the demo's answers, so that a normal run would read the league's files and
// write pages: --help (also -h and /?) and --version answer without a run, an unknown
// option is refused, and an argument without a leading '-' changes nothing. The help
// shows the paths that a program reads with the folder separator of its system.

#include "sample_league.hpp"

#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <utility>

namespace league::testing {
namespace {

const std::filesystem::path kExamples(EXAMPLES_DIR);

// A start with these arguments, standard error kept apart from the console text.
ExecutableStart withArguments(std::vector<std::string> arguments) {
    ExecutableStart start;
    start.arguments = std::move(arguments);
    start.separateErrors = true;
    return start;
}

// The paths of the inputs in a help text (its lines with "<simulator folder>") use the
// folder separator of the system the program runs on, and never the other system's.
void expectPathsWithSystemSeparator(const std::string& help, const std::string& what) {
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    const char otherSeparator = separator == '/' ? '\\' : '/';
    std::istringstream lines(help);
    int pathLines = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<simulator folder>") != std::string::npos) {
            ++pathLines;
            EXPECT_NE(line.find(separator), std::string::npos) << what << ": " << line;
            EXPECT_EQ(line.find(otherSeparator), std::string::npos) << what << ": " << line;
        }
    }
    EXPECT_GT(pathLines, 0) << what;
}

TEST(CommandLine, HelpVersionUnknownOptionsAndIgnoredArguments) {
    const FileMap league = examples::sampleLeagueFiles(examples::buildSampleLeague());
    const struct {
        std::string name;
        const char* executable;
        const char* answers;
        bool takesCharts;
    } programs[] = {
        {"Quorrin", QUORRIN_EXE, "quorrin_answers.txt", true},
        {"Omblen", OMBLEN_EXE, "omblen_answers.txt", false},
        {"Duvessa", DUVESSA_EXE, "duvessa_answers.txt", false},
    };
    for (const auto& program : programs) {
        const std::string answers = readFileBytes(kExamples / "demo" / program.answers);
        const RunResult normal = runExecutable(program.executable, answers, league, withArguments({}));
        ASSERT_FALSE(filesWritten(normal, league).empty()) << program.name;

        const std::string unknownCharts =
            program.name + ": unknown option '--charts' (see " + program.name + " --help)\n";
        enum class Expect { Help, Exact, NormalRun };
        const struct {
            std::vector<std::string> arguments;
            Expect expect;
            int exitStatus;
            std::string console;
            std::string errors;
        } cases[] = {
            {{"--help"}, Expect::Help, 0, "Usage: " + program.name, ""},
            {{"-h"}, Expect::Help, 0, "Usage: " + program.name, ""},
            {{"/?"}, Expect::Help, 0, "Usage: " + program.name, ""},
            {{"--version"}, Expect::Exact, 0, program.name + " " + LEAGUE_TOOLS_VERSION + "\n", ""},
            {{"--version", "--x", "-y"}, Expect::Exact, 2, "",
             program.name + ": unknown option '--x' (see " + program.name + " --help)\n"},
            {{"C:\\Games\\Korvex\\replays\\cup_race.rpy"}, Expect::NormalRun, 0, "", ""},
            {{"--charts"}, program.takesCharts ? Expect::NormalRun : Expect::Exact, 2, "",
             program.takesCharts ? "" : unknownCharts},
        };
        for (const auto& c : cases) {
            const RunResult result = runExecutable(program.executable, answers, league, withArguments(c.arguments));
            const std::string what = program.name + " " + c.arguments.front();
            EXPECT_EQ(withUnixLineEnds(result.errors), c.errors) << what;
            if (c.expect == Expect::NormalRun) {
                EXPECT_EQ(result.exitStatus, normal.exitStatus) << what;
                EXPECT_EQ(result.console, normal.console) << what;
                // --charts adds the charts page to the run's pages, and nothing else.
                FileMap files = result.files;
                EXPECT_EQ(files.erase("cup_race_charts.html"), c.arguments.front() == "--charts" ? 1U : 0U) << what;
                EXPECT_EQ(files, normal.files) << what;
                continue;
            }
            EXPECT_EQ(result.exitStatus, c.exitStatus) << what;
            EXPECT_TRUE(filesWritten(result, league).empty()) << what;
            const std::string console = withUnixLineEnds(result.console);
            if (c.expect == Expect::Exact) {
                EXPECT_EQ(console, c.console) << what;
            } else {
                EXPECT_EQ(console.rfind(c.console, 0), 0U) << what << ":\n" << console;
                EXPECT_EQ(console.find("--charts") != std::string::npos, program.takesCharts) << what;
                EXPECT_EQ(console.find(executablePausePrompt()), std::string::npos) << what;
                expectPathsWithSystemSeparator(console, what);
            }
        }
    }
}

}  // namespace
}  // namespace league::testing
