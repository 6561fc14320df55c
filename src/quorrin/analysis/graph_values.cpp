#include "quorrin/analysis/graph_values.hpp"

#include <algorithm>
#include <cstddef>

namespace league::quorrin {

namespace {

// Rows are ordered by the elapsed time at the end of lap 1; a time counts only below
// this bound.
constexpr std::int32_t kFirstLapBound = 100000000;
// A difference of 1000 seconds or more ahead of the pace is left out of the chart.
constexpr std::int64_t kSmallestShownDifference = -1000000;

// The elapsed times of all drivers at the end of `lap`, ascending, so that a driver's
// position there is the number of times up to his own.
class LapTimesInOrder {
public:
    LapTimesInOrder(const RaceRecord& race, std::int32_t lap) {
        for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
            const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
            if (elapsed > 0) {
                times_[count_++] = elapsed;
            }
        }
        std::sort(times_.begin(), times_.begin() + count_);
    }

    /// The number of drivers with a time up to `elapsed`: equal times share the larger
    /// position.
    std::int32_t positionOf(std::int32_t elapsed) const {
        return static_cast<std::int32_t>(std::upper_bound(times_.begin(), times_.begin() + count_, elapsed) -
                                         times_.begin());
    }

private:
    std::array<std::int32_t, kSlotCount> times_{};
    std::ptrdiff_t count_ = 0;
};

}  // namespace

GraphValues computeGraphValues(const RaceRecord& race) {
    GraphValues values;
    values.rowSlot = slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t elapsed = race.raceTimeAtLap[slot][1];
        if (elapsed > 0 && elapsed < kFirstLapBound) {
            return elapsed;
        }
        return std::nullopt;
    });

    // The reference pace is the winner's average lap: his race time over his laps.
    // Without a winner, or one without laps, there is no pace and no difference.
    const std::int32_t winner = race.winnerSlot;
    const bool hasPace = isSlot(winner) && race.lapsDone[winner] > 0;
    const std::int64_t winnerLaps = hasPace ? race.lapsDone[winner] : 1;
    const std::int64_t winnerTime = hasPace ? lapColumn(race.raceTimeAtLap[winner], race.lapsDone[winner]) : 0;

    for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
        const LapTimesInOrder lapTimes(race, lap);
        for (std::size_t row = 0; row < values.rowSlot.size(); ++row) {
            const std::int32_t slot = values.rowSlot[row];
            // A lap the driver did not complete has no elapsed time and stays empty.
            const std::int32_t elapsed = slot == kNoSlot ? 0 : race.raceTimeAtLap[slot][lap];
            if (elapsed <= 0) {
                continue;
            }
            values.position[row][static_cast<std::size_t>(lap)] = lapTimes.positionOf(elapsed);
            // 64 bits: the winner's race time × lap can leave the 32-bit range (a time
            // from a damaged export, or a race of over 15 hours at lap 39).
            const std::int64_t difference = elapsed - winnerTime * lap / winnerLaps;
            if (hasPace && difference > kSmallestShownDifference) {
                values.difference[row][static_cast<std::size_t>(lap)] = difference;
            }
        }
    }
    return values;
}

}  // namespace league::quorrin
