#pragma once
// ALL LAPTIMES OF ALL DRIVERS: the lap chart, one row per lap and one column per
// driver (by start number), each time shaded by how close it is to the driver's own
// best lap: red near the best, blue for slow laps. It ends the race tables page.

#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes one lap cell, "<td ", its shading, "> ", the lap time and "</td> \n".
void writeShadedLapCell(ReportWriter& page, std::int32_t lap, std::int32_t best);

/// Writes the table, then the end of the race tables page (it does not close the page).
void writeAllLapTimes(ReportWriter& page, const RaceRecord& race, const RacePageState& state);

}  // namespace league::quorrin
