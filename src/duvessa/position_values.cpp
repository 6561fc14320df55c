#include "duvessa/position_values.hpp"

#include "duvessa/score_table.hpp"

namespace league::duvessa {

namespace {

const MergeEntry& entryBefore(const EntryTable& table, const Placement& placement, std::int32_t position) {
    for (std::int32_t earlier = position - 1; earlier >= 1; --earlier) {
        const std::int32_t index = placement.entryAt(earlier);
        if (index != kEmptyPosition) {
            return table.entries[static_cast<std::size_t>(index)];
        }
    }
    return table.entries[0];
}

}  // namespace

PositionValues positionValues(const EntryTable& table, const Placement& placement, std::int32_t position) {
    const MergeEntry& entry = table.entries[static_cast<std::size_t>(placement.entryAt(position))];
    PositionValues values;
    values.fullDistance = entry.rankLaps == table.referenceLaps;
    if (values.fullDistance) {
        values.missingLaps = table.referenceLaps - entry.laps;
        values.averageLap = entry.laps >= 1 ? entry.raceTime / entry.laps : entry.raceTime;
        values.gapToFirst = timeDifference(entry.rankTime, table.referenceTime);
    }
    values.showsGapToBefore = entry.rankTime > table.referenceTime;
    if (values.showsGapToBefore) {
        values.gapToBefore = timeDifference(entry.rankTime, entryBefore(table, placement, position).rankTime);
    }
    const bool stoppedEarly = entry.raceTime < table.referenceTime;
    if (!stoppedEarly) {
        values.points = pointsForPosition(position);
    }
    // 20 % over the best full-distance time, truncated toward zero; 64 bits because
    // twelve times a 32-bit time does not fit 32 bits.
    const std::int64_t greyLimit = std::int64_t{table.referenceTime} * 12 / 10;
    values.grey = stoppedEarly || entry.rankTime > greyLimit;
    return values;
}

}  // namespace league::duvessa
