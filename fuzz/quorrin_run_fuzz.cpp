// A whole Quorrin run over an arbitrary replay, an arbitrary export, an arbitrary
// "Quorrin.ini" and arbitrary typed answers: replay reading, lap table, both repair
// passes, export reconciliation, and both pages written into the working folder.
// Input pieces: answers | Quorrin.ini | replays/race.rpy | exports/race.html; a piece
// that is missing leaves its file out.

#include "fuzz_input.hpp"
#include "run_workspace.hpp"

#include "quorrin/quorrin_run.hpp"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static league::fuzz::RunWorkspace workspace;
    const auto parts = league::fuzz::splitParts(data, size, 4);
    league::fuzz::FileMap files;
    if (parts.size() > 1) {
        files["Quorrin.ini"] = league::fuzz::withoutSlashes(parts[1]);
    }
    if (parts.size() > 2) {
        files["replays/race.rpy"] = parts[2];
    }
    if (parts.size() > 3) {
        files["exports/race.html"] = parts[3];
    }
    workspace.runAndCheck([](league::Console& console, league::Disk& disk) { return league::quorrin::runQuorrin(console, disk); },
                          league::fuzz::withoutSlashes(parts[0]), files);
    return 0;
}
