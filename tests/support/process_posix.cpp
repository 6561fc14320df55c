#include "support/run_harness.hpp"

#include <cstdlib>
#include <sys/wait.h>

namespace league::testing {

namespace {

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (const char c : text) {
        if (c == '\'') {
            result += "'\\''";
        } else {
            result += c;
        }
    }
    return result + "'";
}

}  // namespace

std::string executablePausePrompt() {
    return "Press any key to continue . . . ";
}

int runCommandInFolder(const std::string& executable, const std::vector<std::string>& arguments,
                       const std::filesystem::path& folder, const std::filesystem::path& inputFile,
                       const std::filesystem::path& outputFile, const std::filesystem::path& errorFile) {
    std::string command = "cd " + quoted(folder.string()) + " && " + quoted(executable);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    command += " < " + quoted(inputFile.string()) + " > " + quoted(outputFile.string()) + " 2>" +
               (errorFile.empty() ? std::string("&1") : " " + quoted(errorFile.string()));
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace league::testing
