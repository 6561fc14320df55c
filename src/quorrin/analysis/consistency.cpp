#include "quorrin/analysis/consistency.hpp"

#include "common/time_text.hpp"

#include <optional>

namespace league::quorrin {

namespace {

// True when the slot completed enough of the race to be judged: more than one lap and
// at least 8/10 of the race distance (10 laps need 8, 12 need 9, 5 need 4).
bool completedMostOfRace(const RaceRecord& race, std::int32_t slot) {
    // 64 bits: maxLap × 8 of a damaged replay could leave the 32-bit range.
    const std::int64_t needed = static_cast<std::int64_t>(race.maxLap) * 8 / 10;
    return race.lapsDone[slot] > 1 && race.lapsDone[slot] >= needed;
}

}  // namespace

RowSlots computeConsistencyOrder(const RaceRecord& race, const LapAverages& averages) {
    return slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t aboveBest = averages.averageMinusBest[static_cast<std::size_t>(slot)];
        if (aboveBest < kNoTime && completedMostOfRace(race, slot)) {
            return aboveBest;
        }
        return std::nullopt;
    });
}

}  // namespace league::quorrin
