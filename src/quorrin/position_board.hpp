#pragma once
// The first table of the race tables page, POSITION BOARD / FINAL RESULT: on the left
// who held each position at the end of every lap (race time less penalty), on the
// right the final classification by laps completed and race time.

#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

/// Writes the whole table; marks `lapCellUsed` and `listedFlag` as rows are placed.
void writePositionBoard(ReportWriter& page, const RaceRecord& race, RacePageState& state);

}  // namespace league::quorrin
