#include "omblen/omblen_run.hpp"

#include "common/platform.hpp"

#include <iostream>

int main() {
    league::platform::prepareConsole();
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    const int status = league::omblen::runOmblen(console, league::Folder::current());
    std::cout.flush();
    return status;
}
