// Reading exports: each program's row recipe over the largest export it meets (99 rows
// for the mergers, 33 for the race analyser), from memory and from a file.

#include "bench_inputs.hpp"

#include "common/export_reader.hpp"
#include "common/export_recipes.hpp"
#include "common/real_disk.hpp"

#include "support/temp_folder.hpp"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

using league::ExportReader;
using league::ExportRow;
using league::RowOutcome;

template <typename Recipe>
int readRows(ExportReader& reader, Recipe recipe) {
    int rows = 0;
    if (!reader.rowsAvailable()) {
        return rows;
    }
    while (true) {
        ExportRow row;
        if (recipe(reader, row) != RowOutcome::Taken) {
            break;
        }
        ++rows;
        benchmark::DoNotOptimize(row);
        if (reader.pastRegionEnd()) {
            break;
        }
    }
    return rows;
}

template <typename Recipe>
void readFromMemory(benchmark::State& state, const std::string& bytes, std::int64_t endMargin, Recipe recipe) {
    for (auto _ : state) {
        ExportReader reader;
        reader.openBytes(bytes, endMargin);
        benchmark::DoNotOptimize(readRows(reader, recipe));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}

void BM_QuorrinRecipe33Rows(benchmark::State& state) {
    readFromMemory(state, league::bench::largeRaceExport(33, 39), league::kQuorrinEndMargin, league::readQuorrinRow);
}
BENCHMARK(BM_QuorrinRecipe33Rows);

void BM_OmblenRecipe99Rows(benchmark::State& state) {
    readFromMemory(state, league::bench::largePracticeExport(99), league::kOmblenEndMargin, league::readOmblenRow);
}
BENCHMARK(BM_OmblenRecipe99Rows);

void BM_DuvessaRecipe99Rows(benchmark::State& state) {
    readFromMemory(state, league::bench::largeRaceExport(99, 20), league::kDuvessaEndMargin, league::readDuvessaRow);
}
BENCHMARK(BM_DuvessaRecipe99Rows);

// The same export opened from a file, as the programs do.
void BM_DuvessaExportFile99Rows(benchmark::State& state) {
    league::testing::TempFolder folder;
    folder.write("race.html", league::bench::largeRaceExport(99, 20));
    league::RealDisk disk(folder.path().string());
    for (auto _ : state) {
        auto bytes = disk.readFile("race.html");
        if (!bytes) {
            state.SkipWithError("cannot open the export");
            break;
        }
        ExportReader reader;
        reader.openBytes(std::move(*bytes), league::kDuvessaEndMargin);
        benchmark::DoNotOptimize(readRows(reader, league::readDuvessaRow));
    }
}
BENCHMARK(BM_DuvessaExportFile99Rows);

}  // namespace
