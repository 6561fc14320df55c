#include "quorrin/analysis/race_chart.hpp"

#include <algorithm>
#include <limits>
#include <numeric>

namespace league::quorrin {

namespace {

// The slot's position at the end of `lap` as the position board of the race tables
// shows it: ties broken as there, each position held by one rider; 0 when the slot
// is not on the board at that lap.
std::int32_t positionOnBoard(const PositionBoard& board, std::int32_t slot, std::int32_t lap) {
    const RowSlots& holders = board.holderAtLap[static_cast<std::size_t>(lap)];
    for (std::size_t row = 0; row < holders.size(); ++row) {
        if (holders[row] == slot) {
            return static_cast<std::int32_t>(row) + 1;
        }
    }
    return 0;
}

}  // namespace

RaceChart computeRaceChart(const RaceRecord& race, const PositionBoard& board, const GraphValues& values,
                           const RiderColours& colours) {
    RaceChart chart;
    chart.lapCount = lastShownLap(race);
    for (std::size_t row = 0; row < values.rowSlot.size(); ++row) {
        const std::int32_t slot = values.rowSlot[row];
        if (slot == kNoSlot) {
            continue;
        }
        const auto at = static_cast<std::size_t>(slot);
        ChartRider rider;
        rider.startNumber = race.startNumber[at];
        rider.name = race.driverName[at];
        // The plain scheme's red winner and yellow rider stand out with thick lines;
        // everybody else keeps a colour of their own, so that the lines can be told apart.
        rider.colour = kColourPalette[colours.paletteEntry[at]];
        if (const auto marked = markColourOf(colours.mark[at])) {
            rider.colour = *marked;
            rider.thickLine = true;
        }
        for (std::size_t place = 0; place < board.finalResult.size(); ++place) {
            if (board.finalResult[place].slot == slot) {
                rider.finalPosition = static_cast<std::int32_t>(place) + 1;
            }
        }
        for (std::int32_t lap = 1; lap <= chart.lapCount; ++lap) {
            rider.positionAtLap.push_back(positionOnBoard(board, slot, lap));
            rider.gapAtLap.push_back(values.difference[row][static_cast<std::size_t>(lap)]);
        }
        chart.riders.push_back(std::move(rider));
    }
    chart.resultOrder.resize(chart.riders.size());
    std::iota(chart.resultOrder.begin(), chart.resultOrder.end(), std::size_t{0});
    std::stable_sort(chart.resultOrder.begin(), chart.resultOrder.end(), [&](std::size_t a, std::size_t b) {
        constexpr std::int32_t kLast = std::numeric_limits<std::int32_t>::max();
        const std::int32_t first = chart.riders[a].finalPosition;
        const std::int32_t second = chart.riders[b].finalPosition;
        return (first > 0 ? first : kLast) < (second > 0 ? second : kLast);
    });
    return chart;
}

}  // namespace league::quorrin
