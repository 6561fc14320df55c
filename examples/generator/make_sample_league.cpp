// Writes the sample league (examples/league) that the demo and its test run on.
// Usage: make_sample_league [folder], by default examples/league below the current folder.

#include "sample_league.hpp"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "examples/league";
    try {
        league::examples::writeSampleLeague(folder);
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    std::cout << "Sample league written to " << folder.string() << '\n';
    return 0;
}
