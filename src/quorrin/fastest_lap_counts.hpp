#pragma once
// NUMBER OF FASTEST LAPS: the drivers who drove the fastest time of at least one lap,
// most such laps first.

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"
#include "quorrin/table_cells.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

/// The drivers with a count above 0, most first; equal counts go to the lower slot.
RowSlots computeFastestLapCountOrder(const std::array<std::int32_t, kSlotCount>& fastestLapCount);

/// Writes the table in its own centred block, one row per driver of `order`.
void writeFastestLapCounts(ReportWriter& page, const RaceRecord& race, const RowSlots& order,
                           const std::array<std::int32_t, kSlotCount>& fastestLapCount);

}  // namespace league::quorrin
