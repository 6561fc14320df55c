#pragma once
// The lines of the charts page: for every rider of the graph values page his position
// at the end of every lap as the race tables' position board gives it, his gap to the
// winner's average pace as the graph values give it, his colour and his final
// position.

#include "quorrin/analysis/graph_values.hpp"
#include "quorrin/analysis/position_board.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::quorrin {

/// One rider's line in both charts.
struct ChartRider {
    std::int32_t startNumber = 0;
    /// The bytes read from the replay, not escaped.
    std::string name;
    /// The colour of the rider's line.
    PaletteColour colour{};
    /// Drawn thicker than the others: the plain scheme's red winner and yellow rider.
    bool thickLine = false;
    /// Position in the final result; 0 for none.
    std::int32_t finalPosition = 0;
    /// Element k - 1 is the position at the end of lap k on the position board, where
    /// ties are broken and no two riders share a position; 0 when he is not on it.
    std::vector<std::int32_t> positionAtLap;
    /// Element k - 1 is the gap at the end of lap k in milliseconds; nothing for an
    /// empty cell of the graph values page.
    std::vector<std::optional<std::int64_t>> gapAtLap;
};

struct RaceChart {
    /// The laps along the x axis: 1 to lapCount.
    std::int32_t lapCount = 0;
    /// In the row order of the graph values page.
    std::vector<ChartRider> riders;
    /// The riders (indices into `riders`) in the order of the final result; riders
    /// without a final position last.
    std::vector<std::size_t> resultOrder;
};

/// The riders of the graph values page with their positions on the board, gaps,
/// final positions and colours.
RaceChart computeRaceChart(const RaceRecord& race, const PositionBoard& board, const GraphValues& values,
                           const RiderColours& colours);

}  // namespace league::quorrin
