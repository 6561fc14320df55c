#include "quorrin/quorrin_run.hpp"

#include "common/platform.hpp"
#include "common/real_disk.hpp"

#include <iostream>

int main() {
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    league::RealDisk disk;
    const int status = league::quorrin::runQuorrin(console, disk);
    std::cout.flush();
    return status;
}
