#pragma once
// CONSISTENCY: the drivers who completed at least 80 % of the race, ranked by how far
// their average lap (laps 2 to the last) lies above their best lap.

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"
#include "quorrin/table_cells.hpp"

#include <cstdint>

namespace league::quorrin {

/// The drivers by consistency, `driverCount` rows; the rows of drivers who do not
/// qualify stay empty at the end.
RowSlots computeConsistencyOrder(const RaceRecord& race);

/// Writes the table, from its opening to its end.
void writeConsistency(ReportWriter& page, const RaceRecord& race, const RowSlots& order, std::int32_t colourChoice);

}  // namespace league::quorrin
