#pragma once
// The division of the ranked field into grids of at most a given size, as equal as
// possible, the larger grids first.

#include <cstdint>

namespace league::omblen {

struct GridPlan {
    std::int32_t gridCount = 0;
    std::int32_t baseSize = 0;
    /// The first `extra` grids hold one driver more than `baseSize`.
    std::int32_t extra = 0;

    /// The number of drivers in grid `grid` (1 to gridCount).
    std::int32_t sizeOf(std::int32_t grid) const { return grid <= extra ? baseSize + 1 : baseSize; }
};

/// 25 entries with at most 10 per grid give grids of 9, 8 and 8; no entries give one
/// empty grid, or none at all with a grid size of 1. `maxDriversInGrid` is at least 1.
GridPlan planGrids(std::int32_t entryCount, std::int32_t maxDriversInGrid);

}  // namespace league::omblen
