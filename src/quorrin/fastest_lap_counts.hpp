#pragma once
// NUMBER OF FASTEST LAPS: the drivers who drove the fastest time of at least one lap,
// most such laps first, as counted by the lap time comparator.

#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

/// Writes one row per driver with a count above 0; marks `listedFlag` as it goes.
void writeFastestLapCounts(ReportWriter& page, const RaceRecord& race, RacePageState& state);

}  // namespace league::quorrin
