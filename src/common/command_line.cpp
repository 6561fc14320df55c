#include "common/command_line.hpp"

#include <algorithm>
#include <ostream>

namespace league {

bool CommandLine::has(std::string_view option) const {
    return std::find(runOptions.begin(), runOptions.end(), option) != runOptions.end();
}

CommandLine readCommandLine(const ProgramDescription& program, int argc, const char* const argv[], std::ostream& out,
                            std::ostream& errors) {
    CommandLine commandLine;
    bool helpAsked = false;
    bool versionAsked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.empty() || argument.front() != '-') {
            continue;
        }
        if (argument == "--help") {
            helpAsked = true;
        } else if (argument == "--version") {
            versionAsked = true;
        } else if (std::find(program.runOptions.begin(), program.runOptions.end(), argument) !=
                   program.runOptions.end()) {
            if (!commandLine.has(argument)) {
                commandLine.runOptions.emplace_back(argument);
            }
        } else {
            errors << program.name << ": unknown option '" << argument << "' (see " << program.name << " --help)"
                   << '\n';
            commandLine.exitStatus = kExitUnknownOption;
            return commandLine;
        }
    }
    if (helpAsked) {
        out << program.help;
        commandLine.exitStatus = 0;
    } else if (versionAsked) {
        out << program.name << ' ' << LEAGUE_TOOLS_VERSION << '\n';
        commandLine.exitStatus = 0;
    }
    return commandLine;
}

}  // namespace league
