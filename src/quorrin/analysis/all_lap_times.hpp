#pragma once
// ALL LAPTIMES OF ALL DRIVERS: the lap chart, one row per lap and one column per
// driver (by start number), each time shaded by how close it is to the driver's own
// best lap: red near the best, blue for slow laps. It ends the race tables page.

#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstdint>
#include <optional>

namespace league::quorrin {

/// The shade of a lap cell: a red component ("#FFrrrr") for laps near the best, a blue
/// one ("#bbbbFF") for slower laps; between about 1.47 % and 1.6 % above the best both.
struct LapShade {
    std::optional<std::uint8_t> red;
    std::optional<std::uint8_t> blue;
};

/// The shade of lap time `lap` against the driver's best lap `best`; none when either
/// time is missing (0 or less).
LapShade lapShade(std::int32_t lap, std::int32_t best);

struct LapChart {
    /// The laps of the rows: firstShownLap to the last shown lap.
    std::int32_t firstShownLap = 1;
    /// The drivers of the columns, by ascending start number; kNoSlot after the last.
    RowSlots columns{};
    /// The shade of every lap of every driver: shade[slot][lap].
    std::array<std::array<LapShade, kLapColumns>, kSlotCount> shade{};
};

/// The columns and shades of the lap chart. A driver gets a column with more than one
/// lap and a start number from 1 to 999.
LapChart computeLapChart(const RaceRecord& race, std::int32_t firstShownLap);

}  // namespace league::quorrin
