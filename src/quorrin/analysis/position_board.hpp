#pragma once
// POSITION BOARD / FINAL RESULT, the first table of the race tables page: who held
// each position at the end of every lap (race time less penalty), and the final
// classification by laps completed and race time.

#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>
#include <optional>

namespace league::quorrin {

/// A row of the final result; slot kNoSlot for a row that no driver fills.
struct FinalResultRow {
    std::int32_t slot = kNoSlot;
    /// The laps the row ranks by: the most laps among the drivers not yet listed.
    std::int32_t laps = 0;
    /// The race time at those laps.
    std::int32_t raceTime = 0;
    /// Behind the winner, for drivers on the winner's lap other than the winner.
    std::optional<std::int32_t> gapToWinner;
    /// Behind the driver of the row above, when both completed the same laps.
    std::optional<std::int32_t> gapToPrevious;
};

struct PositionBoard {
    /// Who held each position at the end of each lap: holderAtLap[lap][row].
    LapColumnSlots holderAtLap{};
    /// The final result, one row per driver with laps.
    std::array<FinalResultRow, kSlotCount> finalResult{};
};

/// Positions at every lap and the final result of the race; `driverCount` rows each.
PositionBoard computePositionBoard(const RaceRecord& race);

}  // namespace league::quorrin
