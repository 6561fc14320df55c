// A whole Omblen run over arbitrary exports, an arbitrary grid size file, an arbitrary
// "Quorrin.ini" and arbitrary typed answers: up to four exports read into one table,
// the result page, the grid division with "grids.html" and "grids_forum.txt".
// Input pieces: answers | Quorrin.ini | exports/a.html | exports/b.html |
// exports/c.html | exports/d.html | maxdriversingrid.ini; a missing piece leaves its
// file out (the grid size file is last, so that it can be missing behind good exports).

#include "fuzz_input.hpp"
#include "run_workspace.hpp"

#include "omblen/omblen_run.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static league::fuzz::RunWorkspace workspace;
    static const std::array<const char*, 7> kFiles = {
        "", "Quorrin.ini", "exports/a.html", "exports/b.html", "exports/c.html", "exports/d.html", "maxdriversingrid.ini"};
    const auto parts = league::fuzz::splitParts(data, size, kFiles.size());
    league::fuzz::FileMap files;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        files[kFiles[i]] = i == 1 ? league::fuzz::withoutSlashes(parts[i]) : parts[i];
    }
    workspace.runAndCheck(league::omblen::runOmblen, league::fuzz::withoutSlashes(parts[0]), files);
    return 0;
}
