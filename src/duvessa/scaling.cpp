#include "duvessa/scaling.hpp"

#include <limits>

namespace league::duvessa {

std::int32_t saturatedTime(std::int64_t value) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    if (value < lowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (value > highest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t scaledRaceTime(std::int32_t raceTime, std::int32_t laps, std::int32_t referenceLaps) {
    // Rows with fewer than one lap are never taken; without laps there is no average
    // lap to scale by, so such a time stays as it is.
    if (laps < 1) {
        return raceTime;
    }
    // The average lap is a 32-bit division truncated toward zero, done before the
    // multiplication, as the league's results have always been computed. Only the
    // product and the sum are widened to 64 bits: an export with an absurd race time
    // cannot overflow them, and saturatedTime keeps the 32-bit result of every time
    // that fits, so valid results do not change. A saturated high time lies above
    // kNoTime, so such a rider is never placed.
    const std::int32_t averageLap = raceTime / laps;
    const std::int64_t lapsToAdd = std::int64_t{referenceLaps} - laps;
    return saturatedTime(std::int64_t{raceTime} + std::int64_t{averageLap} * lapsToAdd);
}

void scaleEntries(EntryTable& table) {
    for (std::int32_t index = 0; index < table.entryCount; ++index) {
        MergeEntry& entry = table.entries[static_cast<std::size_t>(index)];
        if (entry.raceTime < table.referenceTime) {
            entry.rankLaps = entry.laps;
            entry.rankTime = entry.raceTime;
        } else {
            entry.rankLaps = table.referenceLaps;
            entry.rankTime = scaledRaceTime(entry.raceTime, entry.laps, table.referenceLaps);
        }
    }
}

}  // namespace league::duvessa
