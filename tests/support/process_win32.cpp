#include "support/run_harness.hpp"

#include <cstdlib>

namespace league::testing {

std::string executablePausePrompt() {
    return "Press any key to continue . . . ";
}

int runCommandInFolder(const std::string& executable, const std::filesystem::path& folder,
                       const std::filesystem::path& inputFile, const std::filesystem::path& outputFile) {
    // cmd.exe strips the outer quotes of a command line that starts with one.
    const std::string command = "\"cd /d \"" + folder.string() + "\" && \"" + executable + "\" < \"" +
                                inputFile.string() + "\" > \"" + outputFile.string() + "\" 2>&1\"";
    return std::system(command.c_str());
}

}  // namespace league::testing
