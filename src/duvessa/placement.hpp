#pragma once
// The overall classification: positions 1 to entryCount, given by repeated selection of
// the best unplaced entry, most ranked laps first, then the smallest ranked time.

#include "duvessa/entry_table.hpp"

#include <array>
#include <cstdint>

namespace league::duvessa {

/// Marks a position that no entry takes.
inline constexpr std::int32_t kEmptyPosition = -1;

struct Placement {
    /// The entry index at each position (element 0 is position 1), or kEmptyPosition.
    std::array<std::int32_t, kMaxEntries> entryAtPosition{};
    std::int32_t positionCount = 0;

    /// The entry index at `position` (1-based), or kEmptyPosition.
    std::int32_t entryAt(std::int32_t position) const;
};

/// Places the scaled entries. Ties go to the lower entry index. An entry whose ranked
/// time is kNoTime or more is never placed; from the position it would take on, every
/// position stays empty.
Placement placeEntries(const EntryTable& table);

}  // namespace league::duvessa
