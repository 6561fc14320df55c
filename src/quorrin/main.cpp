#include "quorrin/quorrin_options.hpp"
#include "quorrin/quorrin_run.hpp"

#include "common/command_line.hpp"
#include "common/platform.hpp"

#include <iostream>

namespace {

constexpr const char* kHelp =
    "Usage: Quorrin [--charts]\n"
    "       Quorrin --help | --version\n"
    "\n"
    "Analyses one race of the Korvex simulator. Start it in the folder that holds\n"
    "Quorrin.ini, whose one line names the simulator's folder (ending in a backslash).\n"
    "It asks for the name of a replay (without .rpy), whether to split laps that the\n"
    "simulator failed to count, and for the colour scheme of the pages. It reads\n"
    "  <simulator folder>replays\\<name>.rpy    the replay of the race\n"
    "  <simulator folder>exports\\<name>.html   the results export of the race\n"
    "and writes into the folder it was started in\n"
    "  <name>.html          the race tables\n"
    "  <name>_G.html        the values for position and gap graphs\n"
    "  <name>_charts.html   the position and gap charts (with --charts)\n"
    "\n"
    "Options:\n"
    "  --charts    also write <name>_charts.html whenever <name>_G.html is written\n"
    "  --help      show this text and end\n"
    "  --version   show the program's version and end\n"
    "An argument that does not begin with '-' (a file dropped onto the program) is ignored.\n"
    "\n"
    "Exit status:\n"
    "  0  the run was completed (also when the export is missing and only the race\n"
    "     tables could be written); --help and --version\n"
    "  1  Quorrin.ini, the replay or a page could not be handled\n"
    "  2  an unknown option was given\n";

}  // namespace

int main(int argc, char* argv[]) {
    const league::ProgramDescription program{"Quorrin", kHelp, {"--charts"}};
    const league::CommandLine commandLine = league::readCommandLine(program, argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    const league::quorrin::QuorrinOptions options{commandLine.has("--charts")};

    league::platform::prepareConsole();
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    // The run does not take the options yet: runQuorrin(console, folder, options) will
    // write the charts page when options.writeCharts is set.
    static_cast<void>(options);
    const int status = league::quorrin::runQuorrin(console, league::Folder::current());
    std::cout.flush();
    return status;
}
