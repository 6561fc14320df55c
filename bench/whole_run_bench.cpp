// Whole runs in-process, pages written into a folder: Quorrin on the largest race the
// data model allows (33 riders, 39 laps, 3000 lap records), Omblen and Duvessa on 99
// entries from three exports, against an empty run that stops at once for want of
// "Quorrin.ini" (what every run costs before it does anything).

#include "bench_inputs.hpp"

#include "duvessa/duvessa_run.hpp"
#include "omblen/omblen_run.hpp"
#include "quorrin/quorrin_run.hpp"

#include "common/real_disk.hpp"

#include "support/temp_folder.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>

namespace {

using ProgramRun = std::function<int(league::Console&, league::Disk&)>;

// Runs the program over the files again and again; a run that does not end with
// `exitStatus` and `lastPage` written is not the run meant to be measured.
void runRepeatedly(benchmark::State& state, const ProgramRun& run, const std::string& answers,
                   const league::testing::FileMap& files, int exitStatus, const std::string& lastPage) {
    league::testing::TempFolder folder;
    folder.writeAll(files);
    int status = exitStatus;
    for (auto _ : state) {
        league::bench::StringConsole console(answers);
        league::RealDisk disk(folder.path().string());
        status = run(console.console(), disk);
    }
    if (status != exitStatus || (!lastPage.empty() && !std::filesystem::exists(folder.path() / lastPage))) {
        state.SkipWithError("the run did not end as a whole run");
    }
}

// Quorrin as a double-click starts it, without options.
int runQuorrin(league::Console& console, league::Disk& disk) {
    return league::quorrin::runQuorrin(console, disk);
}

void BM_EmptyRun(benchmark::State& state) {
    runRepeatedly(state, runQuorrin, "race\n", {}, 1, "");
}
BENCHMARK(BM_EmptyRun);

void BM_QuorrinLargestRace(benchmark::State& state) {
    runRepeatedly(state, runQuorrin, "race\n0\n",
                  {{"Quorrin.ini", ""},
                   {"replays/race.rpy", league::bench::largestRace().bytes()},
                   {"exports/race.html", league::bench::largeRaceExport(33, 39)}},
                  0, "race_G.html");
}
BENCHMARK(BM_QuorrinLargestRace)->Unit(benchmark::kMillisecond);

void BM_Omblen99Entries(benchmark::State& state) {
    const std::string third = league::bench::largePracticeExport(33);
    runRepeatedly(state, league::omblen::runOmblen, "a\nb\nc\n0\n",
                  {{"Quorrin.ini", ""},
                   {"maxdriversingrid.ini", "20\n"},
                   {"exports/a.html", third},
                   {"exports/b.html", third},
                   {"exports/c.html", third}},
                  1, "grids_forum.txt");
}
BENCHMARK(BM_Omblen99Entries)->Unit(benchmark::kMillisecond);

void BM_Duvessa99Entries(benchmark::State& state) {
    runRepeatedly(state, league::duvessa::runDuvessa, "a\nb\nc\n0\n",
                  {{"Quorrin.ini", ""},
                   {"exports/a.html", league::bench::largeRaceExport(33, 20)},
                   {"exports/b.html", league::bench::largeRaceExport(33, 19)},
                   {"exports/c.html", league::bench::largeRaceExport(33, 21)}},
                  1, "Xa.html");
}
BENCHMARK(BM_Duvessa99Entries)->Unit(benchmark::kMillisecond);

}  // namespace
