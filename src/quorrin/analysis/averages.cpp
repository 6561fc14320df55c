#include "quorrin/analysis/averages.hpp"

#include <cstddef>

namespace league::quorrin {

namespace {

// Sums and differences are taken in 64 bits and brought back to 32 bits modulo 2^32,
// as the 32-bit arithmetic of the times has always done.
std::int32_t wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

}  // namespace

LapAverages computeLapAverages(const RaceRecord& race) {
    LapAverages averages;
    for (std::size_t slot = 0; slot < race.lapsDone.size(); ++slot) {
        // The lap from the start is slower than the others and never counts; a start
        // lap split by the repair is the two laps 1 and 2.
        const std::int32_t firstCounted = race.firstLapSplit[slot] ? 3 : 2;
        const std::int32_t lapsDone = race.lapsDone[slot];
        if (lapsDone < firstCounted) {
            continue;
        }
        // Up to 38 laps of 32 bits each: the sum needs 64 bits.
        std::int64_t sum = 0;
        for (std::int32_t lap = firstCounted; lap <= lapsDone; ++lap) {
            sum += race.lapTime[slot][static_cast<std::size_t>(lap)];
        }
        averages.averageLap[slot] = wrapped(sum);
        if (sum > 0) {
            averages.averageLap[slot] = wrapped(sum / (lapsDone - firstCounted + 1));
            averages.averageMinusBest[slot] = wrapped(std::int64_t{averages.averageLap[slot]} - race.lapTime[slot][0]);
        }
    }
    return averages;
}

}  // namespace league::quorrin
