#include "omblen/omblen_run.hpp"

#include "common/command_line.hpp"
#include "common/platform.hpp"
#include "common/real_disk.hpp"

#include <iostream>

namespace {

constexpr const char* kAbout =
    "Merges up to four practice or qualifying exports of the Korvex simulator into one\n"
    "classification and divides the field into grids. Start it in the folder that holds\n"
    "Quorrin.ini, whose one line names the simulator's folder (ending in \\),\n"
    "and maxdriversingrid.ini, the largest number of riders in a grid. It asks for the\n"
    "names of the exports (without .html; 0 ends the list) and reads\n"
    "  <simulator folder>exports\\<name>.html   each export\n"
    "and writes into the folder it was started in\n"
    "  <first export>.html   the overall classification\n"
    "  grids.html            the field divided into grids\n"
    "  grids_forum.txt       the grids as a forum table\n";

constexpr const char* kExitStatuses =
    "  1  after every run, a completed one too (this is normal)\n";

}  // namespace

int main(int argc, char* argv[]) {
    const league::ProgramDescription program{"Omblen", kAbout, {}, kExitStatuses};
    const league::CommandLine commandLine = league::readCommandLine(program, argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    league::RealDisk disk;
    const int status = league::omblen::runOmblen(console, disk);
    std::cout.flush();
    return status;
}
