#pragma once
// CONSISTENCY: the drivers who completed at least 80 % of the race, ranked by how far
// their average lap (laps 2 to the last) lies above their best lap.

#include "quorrin/analysis/averages.hpp"
#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// The drivers by consistency, `driverCount` rows; the rows of drivers who do not
/// qualify stay empty at the end.
RowSlots computeConsistencyOrder(const RaceRecord& race, const LapAverages& averages);

}  // namespace league::quorrin
