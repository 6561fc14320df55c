#pragma once
// DEVELOPMENT OF FASTEST LAP: every lap that lowered the fastest lap of the race, in
// the order in which the laps were driven, taken from the replay's lap records as read
// (a lap split by a repair does not appear here).

#include "common/report_writer.hpp"
#include "quorrin/analysis/fastest_lap_development.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"


namespace league::quorrin {

/// Writes the table in its own centred block.
void writeFastestLapDevelopment(ReportWriter& page, const RaceRecord& race, const std::vector<LapRecord>& records);

}  // namespace league::quorrin
