#pragma once
// DEVELOPMENT OF FASTEST LAP: every lap that lowered the fastest lap of the race, in
// the order in which the laps were driven, taken from the replay's lap records as read
// (a lap split by a repair does not appear here).

#include "quorrin/record/race_record.hpp"

#include <vector>

namespace league::quorrin {

/// The race lap records whose positive time lowered the fastest lap so far, in file order.
std::vector<LapRecord> computeFastestLapDevelopment(const RaceRecord& race);

}  // namespace league::quorrin
