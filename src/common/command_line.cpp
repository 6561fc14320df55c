#include "common/command_line.hpp"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace league {

namespace {

// --help, and the short forms that users of each system try first: -h, and /? on Windows.
// All three mean help on every system, so that a script or a habit works anywhere.
bool asksForHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h" || argument == "/?";
}

// The texts of the help write paths as the programs compose them, with backslashes;
// they are shown with the separator of the system the program runs on, where the
// programs open them.
std::string withSystemSeparator(std::string_view text) {
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), '\\', static_cast<char>(std::filesystem::path::preferred_separator));
    return shown;
}

std::string_view separatorName() {
    return std::filesystem::path::preferred_separator == '\\' ? "a backslash (\\)" : "a slash (/)";
}

bool takesOption(const ProgramDescription& program, std::string_view argument) {
    return std::any_of(program.runOptions.begin(), program.runOptions.end(),
                       [&](const RunOption& option) { return option.name == argument; });
}

void writeOptionLine(std::ostream& out, std::string_view name, std::string_view description) {
    constexpr std::size_t kNameColumn = 12;
    out << "  " << name << std::string(kNameColumn - std::min(name.size(), kNameColumn - 1), ' ') << description
        << '\n';
}

void writeHelp(std::ostream& out, const ProgramDescription& program) {
    out << "Usage: " << program.name;
    for (const RunOption& option : program.runOptions) {
        out << " [" << option.name << "]";
    }
    if (!program.operandUsage.empty()) {
        out << ' ' << program.operandUsage;
    }
    out << '\n' << "       " << program.name << " --help | -h | /? | --version" << '\n' << '\n';
    out << withSystemSeparator(program.about) << '\n';
    out << "The folder separator on this system is " << separatorName() << "." << '\n' << '\n';
    out << "Options:" << '\n';
    for (const RunOption& option : program.runOptions) {
        writeOptionLine(out, option.name, option.description);
    }
    writeOptionLine(out, "--help", "show this text and end with status 0 (also -h and /?)");
    writeOptionLine(out, "--version", "show the program's version and end with status 0");
    if (program.operandHelp.empty()) {
        out << "An argument that does not begin with '-' (a file dropped onto the program) is ignored." << '\n';
    } else {
        out << program.operandHelp;
    }
    out << '\n';
    out << "Exit status:" << '\n' << program.exitStatuses << "  2  an unknown option was given" << '\n';
}

}  // namespace

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
        if (asksForHelp(argument)) {
            helpAsked = true;
        } else if (argument.empty() || argument.front() != '-') {
            commandLine.operands.emplace_back(argument);
            continue;
        } else if (argument == "--version") {
            versionAsked = true;
        } else if (takesOption(program, argument)) {
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
        writeHelp(out, program);
        commandLine.exitStatus = 0;
    } else if (versionAsked) {
        out << program.name << ' ' << LEAGUE_TOOLS_VERSION << '\n';
        commandLine.exitStatus = 0;
    }
    return commandLine;
}

}  // namespace league
