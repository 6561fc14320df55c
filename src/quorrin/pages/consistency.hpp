#pragma once
// CONSISTENCY: the drivers who completed at least 80 % of the race, ranked by how far
// their average lap (laps 2 to the last) lies above their best lap.

#include "common/report_writer.hpp"
#include "quorrin/analysis/averages.hpp"
#include "quorrin/analysis/ranking.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes the table, from its opening to its end.
void writeConsistency(ReportWriter& page, const RaceRecord& race, const LapAverages& averages, const RowSlots& order,
                      const RiderColours& colours);

}  // namespace league::quorrin
