#pragma once
// NUMBER OF FASTEST LAPS: the drivers who drove the fastest time of at least one lap,
// most such laps first.

#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

/// The drivers with a count above 0, most first; equal counts go to the lower slot.
RowSlots computeFastestLapCountOrder(const std::array<std::int32_t, kSlotCount>& fastestLapCount);

}  // namespace league::quorrin
