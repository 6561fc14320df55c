#pragma once
// DEVELOPMENT OF FASTEST LAP: every lap that lowered the fastest lap of the race, in
// the order in which the laps were driven, taken from the replay's lap records as read
// (a lap split by a repair does not appear here).

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"

#include <vector>

namespace league::quorrin {

/// The race lap records whose positive time lowered the fastest lap so far, in file order.
std::vector<LapRecord> computeFastestLapDevelopment(const RaceRecord& race);

/// Writes the table in its own centred block.
void writeFastestLapDevelopment(ReportWriter& page, const RaceRecord& race, const std::vector<LapRecord>& records);

}  // namespace league::quorrin
