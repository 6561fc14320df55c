#pragma once
// DEVELOPMENT OF FASTEST LAP: every lap that lowered the fastest lap of the race, in
// the order in which the laps were driven, taken from the replay's lap records as read
// (a lap split by a repair does not appear here).

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

void writeFastestLapDevelopment(ReportWriter& page, const RaceRecord& race);

}  // namespace league::quorrin
