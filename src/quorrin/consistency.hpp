#pragma once
// CONSISTENCY: the drivers who completed at least 80 % of the race, ranked by how far
// their average lap (laps 2 to the last) lies above their best lap.

#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

/// Writes the table and closes the block that the fastest race laps opened.
void writeConsistency(ReportWriter& page, const RaceRecord& race, RacePageState& state);

}  // namespace league::quorrin
