// Reading a replay: the same race (33 riders over 39 laps, no practice laps) in a
// replay of 100 KB and in one of 512 MB (a sparse file: the unread middle is a hole). The reader seeks to the track, the slots and the
// lap record table, so the time must not grow with the size of the file.

#include "bench_inputs.hpp"

#include "quorrin/record/race_record.hpp"
#include "quorrin/record/replay_reader.hpp"

#include "common/real_disk.hpp"

#include "support/temp_folder.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr std::uintmax_t kSmallReplay = 100 * 1024;
constexpr std::uintmax_t kLargeReplay = std::uintmax_t{512} * 1024 * 1024;
// The head of a replay: everything up to the end of the driver slot table.
constexpr std::size_t kHeadBytes = 1138 + 33 * 264;
// The race start marker and the 1287 race laps: 51520 bytes of table.
constexpr int kRaceRecords = 1 + 33 * 39;

// Writes the race as a replay of exactly `size` bytes: the head, then a hole (or
// zeros) up to the lap record table, then the table.
void writeReplayOfSize(const std::filesystem::path& path, std::uintmax_t size) {
    league::testing::ReplayBuilder race = league::bench::largestRace(kRaceRecords);
    race.middleBytes = 0;
    const std::string bytes = race.bytes();
    const std::string head = bytes.substr(0, kHeadBytes);
    const std::string table = bytes.substr(kHeadBytes);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(head.data(), static_cast<std::streamsize>(head.size()));
    }
    std::filesystem::resize_file(path, size - table.size());
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
}

void readReplayOfSize(benchmark::State& state, std::uintmax_t size) {
    league::testing::TempFolder folder;
    const std::filesystem::path path = folder.path() / "race.rpy";
    writeReplayOfSize(path, size);
    if (std::filesystem::file_size(path) != size) {
        state.SkipWithError("the replay does not have its size");
        return;
    }
    for (auto _ : state) {
        league::RealDisk disk(folder.path().string());
        const auto replay = disk.openFile("race.rpy");
        league::quorrin::RaceRecord race;
        benchmark::DoNotOptimize(league::quorrin::readReplay(*replay, race));
        benchmark::DoNotOptimize(race.recordCount);
    }
}

void BM_ReplayOf100KB(benchmark::State& state) {
    readReplayOfSize(state, kSmallReplay);
}
BENCHMARK(BM_ReplayOf100KB);

void BM_ReplayOf512MB(benchmark::State& state) {
    readReplayOfSize(state, kLargeReplay);
}
BENCHMARK(BM_ReplayOf512MB);

}  // namespace
