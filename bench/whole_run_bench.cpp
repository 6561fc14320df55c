// Whole runs in-process, pages written into a folder: Quorrin on the largest race the
// data model allows (33 riders, 39 laps, 3000 lap records), Omblen and Duvessa on 99
// entries from three exports, against an empty run that stops at once for want of
// "Quorrin.ini" (what every run costs before it does anything).

#include "bench_inputs.hpp"

#include "duvessa/duvessa_run.hpp"
#include "omblen/omblen_run.hpp"
#include "quorrin/quorrin_run.hpp"

#include "common/folder.hpp"

#include "support/temp_folder.hpp"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using ProgramRun = std::function<int(league::Console&, const league::Folder&)>;

void runRepeatedly(benchmark::State& state, const ProgramRun& run, const std::string& answers,
                   const league::testing::FileMap& files) {
    league::testing::TempFolder folder;
    folder.writeAll(files);
    const league::Folder work(folder.path());
    for (auto _ : state) {
        league::bench::StringConsole console(answers);
        benchmark::DoNotOptimize(run(console.console(), work));
    }
}

void BM_EmptyRun(benchmark::State& state) {
    runRepeatedly(state, league::quorrin::runQuorrin, "race\n", {});
}
BENCHMARK(BM_EmptyRun);

void BM_QuorrinLargestRace(benchmark::State& state) {
    runRepeatedly(state, league::quorrin::runQuorrin, "race\n0\n",
                  {{"Quorrin.ini", ""},
                   {"replays/race.rpy", league::bench::largestRace().bytes()},
                   {"exports/race.html", league::bench::largeRaceExport(33, 39)}});
}
BENCHMARK(BM_QuorrinLargestRace)->Unit(benchmark::kMillisecond);

void BM_Omblen99Entries(benchmark::State& state) {
    const std::string third = league::bench::largePracticeExport(33);
    runRepeatedly(state, league::omblen::runOmblen, "a\nb\nc\n0\n",
                  {{"Quorrin.ini", ""},
                   {"maxdriversingrid.ini", "20\n"},
                   {"exports/a.html", third},
                   {"exports/b.html", third},
                   {"exports/c.html", third}});
}
BENCHMARK(BM_Omblen99Entries)->Unit(benchmark::kMillisecond);

void BM_Duvessa99Entries(benchmark::State& state) {
    runRepeatedly(state, league::duvessa::runDuvessa, "a\nb\nc\n0\n",
                  {{"Quorrin.ini", ""},
                   {"exports/a.html", league::bench::largeRaceExport(33, 20)},
                   {"exports/b.html", league::bench::largeRaceExport(33, 19)},
                   {"exports/c.html", league::bench::largeRaceExport(33, 21)}});
}
BENCHMARK(BM_Duvessa99Entries)->Unit(benchmark::kMillisecond);

}  // namespace
