#pragma once
// The command line of the three programs. Started by double-click or without
// arguments they run their dialogue as always; from a console they also answer
// --help (or -h, or /?) and --version, and a program may take options of its own for
// its run.
// Windows passes the path of a file dropped onto the program as an argument, so an
// argument that does not begin with '-' is ignored.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace league {

/// The exit status after an option that the program does not know.
inline constexpr int kExitUnknownOption = 2;

/// An option that a program's run takes, as --help lists it.
struct RunOption {
    /// "--charts"
    std::string_view name;
    /// What it does, in one line of --help.
    std::string_view description;
};

/// What a program tells about itself on the command line. --help shows the usage, the
/// `about` text, the options and the exit statuses.
struct ProgramDescription {
    /// The program's name as the user starts it: "Quorrin".
    std::string_view name;
    /// What the program does, reads and writes; lines ending in '\n'. Paths are written
    /// with backslashes, as the programs compose them; the help shows them with the
    /// system's folder separator.
    std::string_view about;
    /// The options besides --help and --version that the run takes.
    std::vector<RunOption> runOptions;
    /// The exit statuses of a run, one line each ("  1  ...\n"); --help adds the status
    /// of an unknown option.
    std::string_view exitStatuses;
    /// For a program that takes arguments besides its options: their usage text
    /// ("[SEASON]") and the lines of --help that explain them, in place of the line that
    /// says such an argument is ignored.
    std::string_view operandUsage = {};
    std::string_view operandHelp = {};
};

/// What the command line asks for.
struct CommandLine {
    /// Set when the program ends without its run: 0 after --help or --version,
    /// kExitUnknownOption after an option it does not know.
    std::optional<int> exitStatus;
    /// The run options that were given.
    std::vector<std::string> runOptions;
    /// The arguments that do not begin with '-', in order (the programs without
    /// operands ignore them).
    std::vector<std::string> operands;

    bool has(std::string_view option) const;
};

/// Reads the arguments after the program's own path. An unknown option anywhere
/// wins: one line naming the first of them goes to `errors`. Otherwise --help (-h, /?) prints
/// the program's help and --version its name and the project version to `out`.
/// Nothing else is printed, read or written.
CommandLine readCommandLine(const ProgramDescription& program, int argc, const char* const argv[], std::ostream& out,
                            std::ostream& errors);

}  // namespace league
