#pragma once
// LAP TIME COMPERATOR / FASTEST RACE LAPS: on the left, for every lap, the drivers by
// their time on that lap; on the right the drivers by their best lap of the race. The
// first row of each lap column names the fastest driver of that lap, which the table
// of fastest-lap counts is made from.

#include "common/report_writer.hpp"
#include "quorrin/analysis/fastest_race_laps.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes the table, from its opening to its end.
void writeFastestRaceLaps(ReportWriter& page, const RaceRecord& race, const FastestRaceLaps& laps,
                          const RiderColours& colours);

}  // namespace league::quorrin
