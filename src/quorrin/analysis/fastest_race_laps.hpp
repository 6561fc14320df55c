#pragma once
// LAP TIME COMPERATOR / FASTEST RACE LAPS: on the left, for every lap, the drivers by
// their time on that lap; on the right the drivers by their best lap of the race. The
// first row of each lap column names the fastest driver of that lap, which the table
// of fastest-lap counts is made from.

#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>
#include <optional>

namespace league::quorrin {

struct FastestRaceLaps {
    /// The laps the lap columns show: firstShownLap to the last shown lap.
    std::int32_t firstShownLap = 1;
    /// The E-th fastest driver of each lap: fastestAtLap[lap][E - 1].
    LapColumnSlots fastestAtLap{};
    /// The drivers by their best lap.
    RowSlots bestLapOrder{};
    /// Each row's gap to the race's best lap; none in the first row.
    std::array<std::optional<std::int32_t>, kSlotCount> gapToFastest{};
    /// Laps on which each slot was the fastest of all, among the laps shown.
    std::array<std::int32_t, kSlotCount> fastestLapCount{};
};

/// The order of every shown lap and of the best laps, `driverCount` rows each, and the
/// fastest-lap counts. Lap 1 is shown from `firstShownLap` 1 only.
FastestRaceLaps computeFastestRaceLaps(const RaceRecord& race, std::int32_t firstShownLap);

}  // namespace league::quorrin
