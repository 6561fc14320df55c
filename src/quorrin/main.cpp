#include "quorrin/quorrin_options.hpp"
#include "quorrin/quorrin_run.hpp"

#include "common/command_line.hpp"
#include "common/platform.hpp"
#include "common/real_disk.hpp"

#include <iostream>

namespace {

constexpr const char* kAbout =
    "Analyses one race of the Korvex simulator. Start it in the folder that holds\n"
    "Quorrin.ini, whose one line names the simulator's folder (ending in \\).\n"
    "It asks for the name of a replay (without .rpy), whether to split laps that the\n"
    "simulator failed to count, and for the colour scheme of the pages. It reads\n"
    "  <simulator folder>replays\\<name>.rpy    the replay of the race\n"
    "  <simulator folder>exports\\<name>.html   the results export of the race\n"
    "and writes into the folder it was started in\n"
    "  <name>.html          the race tables\n"
    "  <name>_G.html        the values for position and gap graphs\n"
    "  <name>_charts.html   the position and gap charts (with --charts)\n";

constexpr const char* kExitStatuses =
    "  0  the run was completed (also when the export is missing and only the race\n"
    "     tables could be written)\n"
    "  1  Quorrin.ini, the replay or a page could not be handled\n";

}  // namespace

int main(int argc, char* argv[]) {
    const league::ProgramDescription program{
        "Quorrin", kAbout, {{"--charts", "also write <name>_charts.html whenever <name>_G.html is written"}},
        kExitStatuses};
    const league::CommandLine commandLine = league::readCommandLine(program, argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    const league::quorrin::QuorrinOptions options{commandLine.has("--charts")};

    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    league::RealDisk disk;
    const int status = league::quorrin::runQuorrin(console, disk, options);
    std::cout.flush();
    return status;
}
