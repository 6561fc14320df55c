#include "support/run_harness.hpp"

#include <cstdlib>

namespace league::testing {

namespace {

// A path in the form the command interpreter expects: backslash separators. The
// paths handed in by the build may use '/'.
std::string commandPath(const std::filesystem::path& path) {
    std::filesystem::path preferred = path;
    return preferred.make_preferred().string();
}

// Runs a command line in `folder` through the command interpreter with standard
// input, output and error redirected to files (standard error into the output file
// when `errorFile` is empty); returns the interpreter's exit status, which is the
// status of the command.
int runRedirected(const std::string& commandLine, const std::filesystem::path& folder,
                  const std::filesystem::path& inputFile, const std::filesystem::path& outputFile,
                  const std::filesystem::path& errorFile = {}) {
    const std::string errorRedirection = errorFile.empty() ? "2>&1" : "2> \"" + commandPath(errorFile) + "\"";
    // cmd.exe strips the outer quotes of a command line that starts with one, so the
    // whole line is wrapped in one more pair.
    const std::string command = "\"cd /d \"" + commandPath(folder) + "\" && " + commandLine + " < \"" +
                                commandPath(inputFile) + "\" > \"" + commandPath(outputFile) + "\" " +
                                errorRedirection + "\"";
    return std::system(command.c_str());
}

}  // namespace

std::string executablePausePrompt() {
    // The programs pause with the interpreter's own PAUSE, whose prompt differs
    // between Windows, its languages and Wine: ask the interpreter once, with input
    // at its end as the programs' pause mostly finds it.
    static const std::string prompt = [] {
        TempFolder folder;
        folder.write("empty.txt", "");
        runRedirected("PAUSE", folder.path(), folder.path() / "empty.txt", folder.path() / "prompt.txt");
        return withUnixLineEnds(readFileBytes(folder.path() / "prompt.txt"));
    }();
    return prompt;
}

int runCommandInFolder(const std::string& executable, const std::vector<std::string>& arguments,
                       const std::filesystem::path& folder, const std::filesystem::path& inputFile,
                       const std::filesystem::path& outputFile, const std::filesystem::path& errorFile) {
    // The tests' arguments hold no quotes or characters special to the interpreter;
    // each is quoted so that it stays one argument.
    std::string commandLine = "\"" + commandPath(executable) + "\"";
    for (const std::string& argument : arguments) {
        commandLine += " \"" + argument + "\"";
    }
    return runRedirected(commandLine, folder, inputFile, outputFile, errorFile);
}

}  // namespace league::testing
