#pragma once
// ALL LAPTIMES OF ALL DRIVERS: the lap chart, one row per lap and one column per
// driver (by start number), each time shaded by how close it is to the driver's own
// best lap: red near the best, blue for slow laps. It ends the race tables page.

#include "common/report_writer.hpp"
#include "quorrin/analysis/all_lap_times.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes one lap cell, "<td ", its shading, "> ", the lap time and "</td> \n".
void writeShadedLapCell(ReportWriter& page, std::int32_t lap, const LapShade& shade);

/// Writes the table in its own block.
void writeAllLapTimes(ReportWriter& page, const RaceRecord& race, const LapChart& chart);

}  // namespace league::quorrin
