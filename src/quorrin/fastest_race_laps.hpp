#pragma once
// LAP TIME COMPERATOR / FASTEST RACE LAPS: on the left, for every lap, the drivers by
// their time on that lap; on the right the drivers by their best lap of the race.
// While it is written it counts the laps on which each driver was the fastest of all.

#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

/// Opens the block shared with CONSISTENCY and writes the table; fills
/// `fastestLapCount` from the first row and marks `lapCellUsed` and `listedFlag`.
void writeFastestRaceLaps(ReportWriter& page, const RaceRecord& race, RacePageState& state);

}  // namespace league::quorrin
