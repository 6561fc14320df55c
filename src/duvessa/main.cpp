#include "duvessa/duvessa_run.hpp"

#include "common/command_line.hpp"
#include "common/platform.hpp"
#include "common/real_disk.hpp"

#include <iostream>

namespace {

constexpr const char* kAbout =
    "Merges up to four race exports of the Korvex simulator, one per grid, into one\n"
    "classification with points: every time is brought to the first race's distance.\n"
    "Start it in the folder that holds Quorrin.ini, whose one line names the\n"
    "simulator's folder (ending in \\). It asks for the names of the exports\n"
    "(without .html; 0 ends the list) and reads\n"
    "  <simulator folder>exports\\<name>.html   each export\n"
    "and writes into the folder it was started in\n"
    "  X<first export>.html   the combined classification\n";

constexpr const char* kExitStatuses =
    "  1  after every run, a completed one too (this is normal)\n";

}  // namespace

int main(int argc, char* argv[]) {
    const league::ProgramDescription program{"Duvessa", kAbout, {}, kExitStatuses};
    const league::CommandLine commandLine = league::readCommandLine(program, argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    league::RealDisk disk;
    const int status = league::duvessa::runDuvessa(console, disk);
    std::cout.flush();
    return status;
}
