#pragma once
// The race analysis: every order and figure that Quorrin's pages show, computed once
// from the finished RaceRecord (after the repairs and the export join). The pages are
// written from it and do not compute anything themselves.

#include "quorrin/all_lap_times.hpp"
#include "quorrin/fastest_race_laps.hpp"
#include "quorrin/graph_values_page.hpp"
#include "quorrin/position_board.hpp"
#include "quorrin/race_record.hpp"
#include "quorrin/table_cells.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace league::quorrin {

struct RaceAnalysis {
    /// The first lap of the lap tables: 1, or 2 when the export could not be used (the
    /// first lap then holds the replay's own time, not one derived from the race time).
    std::int32_t firstShownLap = 1;
    /// Only when the export could be used.
    std::optional<PositionBoard> positionBoard;
    FastestRaceLaps fastestRaceLaps;
    RowSlots consistencyOrder{};
    std::vector<LapRecord> fastestLapDevelopment;
    RowSlots fastestLapCountOrder{};
    LapChart lapChart;
    /// Only when the export could be used.
    std::optional<GraphValues> graphValues;
};

RaceAnalysis analyseRace(const RaceRecord& race);

}  // namespace league::quorrin
