#pragma once
// The first table of the race tables page, POSITION BOARD / FINAL RESULT: on the left
// who held each position at the end of every lap (race time less penalty), on the
// right the final classification by laps completed and race time.

#include "common/report_writer.hpp"
#include "quorrin/analysis/position_board.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes the whole table in its own block.
void writePositionBoard(ReportWriter& page, const RaceRecord& race, const PositionBoard& board,
                        const RiderColours& colours);

}  // namespace league::quorrin
