#pragma once
// What the combined page shows for a placed entry beyond its own fields: the scaling
// that was applied, the gaps, the points, and whether the row is greyed.

#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"

#include <cstdint>
#include <optional>

namespace league::duvessa {

struct PositionValues {
    /// Set when the entry is ranked over the reference distance; only then are the
    /// missing laps, the average lap and the gap to the first shown.
    bool fullDistance = false;
    /// Reference laps minus the entry's laps: negative for a rider of a longer race.
    std::int32_t missingLaps = 0;
    std::int32_t averageLap = 0;
    std::int32_t gapToFirst = 0;
    /// Set when the ranked time is above the reference time.
    bool showsGapToBefore = false;
    std::int32_t gapToBefore = 0;
    std::optional<std::int32_t> points;
    /// Set for a rider who stopped early (below the reference time) or who is more
    /// than 20 % behind the reference time.
    bool grey = false;
};

/// The values of the entry placed at `position` (1-based); the position must be filled.
/// The gap to the one before is taken from the nearest earlier filled position; the
/// first filled position is compared with entry 0.
PositionValues positionValues(const EntryTable& table, const Placement& placement, std::int32_t position);

}  // namespace league::duvessa
