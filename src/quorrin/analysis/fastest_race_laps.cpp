#include "quorrin/analysis/fastest_race_laps.hpp"

#include "common/time_text.hpp"

#include <optional>

namespace league::quorrin {

namespace {

// A time that can be ranked: above 0 and below "no time".
std::optional<std::int64_t> rankedTime(std::int32_t time) {
    if (time > 0 && time < kNoTime) {
        return time;
    }
    return std::nullopt;
}

}  // namespace

FastestRaceLaps computeFastestRaceLaps(const RaceRecord& race, std::int32_t firstShownLap) {
    FastestRaceLaps laps;
    laps.firstShownLap = firstShownLap;
    laps.fastestAtLap.fill(emptyRows());
    for (std::int32_t lap = firstShownLap; lap <= lastShownLap(race); ++lap) {
        const RowSlots order = slotsInAscendingOrder(
            race.driverCount, [&](std::int32_t slot) { return rankedTime(race.lapTime[slot][lap]); });
        laps.fastestAtLap[static_cast<std::size_t>(lap)] = order;
        if (order[0] != kNoSlot) {
            ++laps.fastestLapCount[static_cast<std::size_t>(order[0])];
        }
    }
    laps.bestLapOrder =
        slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) { return rankedTime(race.lapTime[slot][0]); });
    // The gap to the race's best lap; its holder, in the first row, shows none.
    const std::int32_t fastestSlot = laps.bestLapOrder[0];
    for (std::size_t row = 1; row < laps.bestLapOrder.size(); ++row) {
        const std::int32_t slot = laps.bestLapOrder[row];
        if (slot != kNoSlot) {
            laps.gapToFastest[row] = timeDifference(race.lapTime[slot][0], race.lapTime[fastestSlot][0]);
        }
    }
    return laps;
}

}  // namespace league::quorrin
