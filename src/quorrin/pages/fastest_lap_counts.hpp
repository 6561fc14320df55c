#pragma once
// NUMBER OF FASTEST LAPS: the drivers who drove the fastest time of at least one lap,
// most such laps first.

#include "common/report_writer.hpp"
#include "quorrin/analysis/fastest_lap_counts.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

/// Writes the table in its own centred block, one row per driver of `order`.
void writeFastestLapCounts(ReportWriter& page, const RaceRecord& race, const RowSlots& order,
                           const std::array<std::int32_t, kSlotCount>& fastestLapCount);

}  // namespace league::quorrin
