#include "duvessa/placement.hpp"

#include <limits>

namespace league::duvessa {

std::int32_t Placement::entryAt(std::int32_t position) const {
    if (position < 1 || position > positionCount) {
        return kEmptyPosition;
    }
    return entryAtPosition[static_cast<std::size_t>(position - 1)];
}

Placement placeEntries(const EntryTable& table) {
    std::array<bool, kMaxEntries> placed{};
    Placement placement;
    placement.entryAtPosition.fill(kEmptyPosition);
    placement.positionCount = table.entryCount;
    for (std::int32_t position = 1; position <= table.entryCount; ++position) {
        std::int32_t highestLaps = std::numeric_limits<std::int32_t>::min();
        for (std::int32_t index = 0; index < table.entryCount; ++index) {
            const MergeEntry& entry = table.entries[static_cast<std::size_t>(index)];
            if (!placed[static_cast<std::size_t>(index)] && entry.rankLaps > highestLaps) {
                highestLaps = entry.rankLaps;
            }
        }
        // The strict comparison gives ties to the lower index; the search starts at
        // kNoTime, so only ranked times below it can be chosen.
        std::int32_t chosen = kEmptyPosition;
        std::int32_t bestTime = kNoTime;
        for (std::int32_t index = 0; index < table.entryCount; ++index) {
            const MergeEntry& entry = table.entries[static_cast<std::size_t>(index)];
            if (!placed[static_cast<std::size_t>(index)] && entry.rankLaps == highestLaps &&
                entry.rankTime < bestTime) {
                bestTime = entry.rankTime;
                chosen = index;
            }
        }
        if (chosen != kEmptyPosition) {
            placed[static_cast<std::size_t>(chosen)] = true;
        }
        placement.entryAtPosition[static_cast<std::size_t>(position - 1)] = chosen;
    }
    return placement;
}

}  // namespace league::duvessa
