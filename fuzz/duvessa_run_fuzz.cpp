// A whole Duvessa run over arbitrary race exports, an arbitrary "Quorrin.ini" and
// arbitrary typed answers: up to four exports read into one table, scaling, placement,
// points and the combined page.
// Input pieces: answers | Quorrin.ini | exports/a.html | exports/b.html |
// exports/c.html | exports/d.html; a missing piece leaves its file out.

#include "fuzz_input.hpp"
#include "run_workspace.hpp"

#include "duvessa/duvessa_run.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static league::fuzz::RunWorkspace workspace;
    static const std::array<const char*, 6> kFiles = {
        "", "Quorrin.ini", "exports/a.html", "exports/b.html", "exports/c.html", "exports/d.html"};
    const auto parts = league::fuzz::splitParts(data, size, kFiles.size());
    league::fuzz::FileMap files;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        files[kFiles[i]] = i == 1 ? league::fuzz::withoutSlashes(parts[i]) : parts[i];
    }
    workspace.runAndCheck(league::duvessa::runDuvessa, league::fuzz::withoutSlashes(parts[0]), files);
    return 0;
}
