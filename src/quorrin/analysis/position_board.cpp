#include "quorrin/analysis/position_board.hpp"

#include "common/time_text.hpp"

namespace league::quorrin {

namespace {

// The slots at the end of `lap` by race time less penalty: the drivers with a time
// there, while the value is below "no time".
RowSlots positionsAtLap(const RaceRecord& race, std::int32_t lap) {
    return slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t elapsed = race.raceTimeAtLap[slot][lap];
        // In 64 bits: a penalty read from a damaged export may be of any size.
        const std::int64_t value = std::int64_t{elapsed} - race.penalty[slot];
        if (elapsed > 0 && race.lapsDone[slot] > 0 && value < kNoTime) {
            return value;
        }
        return std::nullopt;
    });
}

// The laps of the next final-result row: the most laps among the slots not yet listed.
std::int32_t nextRowLaps(const RaceRecord& race, const std::array<bool, kSlotCount>& listed) {
    std::int32_t rowLaps = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (!listed[slot] && race.lapsDone[slot] > rowLaps) {
            rowLaps = race.lapsDone[slot];
        }
    }
    return rowLaps;
}

// The driver of the next final-result row: the shortest race time at `rowLaps` laps
// among the slots not yet listed.
std::int32_t nextFinisher(const RaceRecord& race, const std::array<bool, kSlotCount>& listed,
                          std::int32_t rowLaps) {
    std::int32_t found = kNoSlot;
    std::int32_t best = kNoTime;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const std::int32_t time = lapColumn(race.raceTimeAtLap[slot], rowLaps);
        if (!listed[slot] && time > 0 && time < best) {
            best = time;
            found = slot;
        }
    }
    return found;
}

// Drivers are ranked by laps completed, more first, then by race time at that lap
// count. Once a row finds no driver, no later row does.
std::array<FinalResultRow, kSlotCount> finalResultOf(const RaceRecord& race) {
    std::array<FinalResultRow, kSlotCount> rows{};
    std::array<bool, kSlotCount> listed{};
    std::int32_t previousSlot = kNoSlot;
    for (std::int32_t row = 0; row < race.driverCount; ++row) {
        const std::int32_t rowLaps = nextRowLaps(race, listed);
        const std::int32_t slot = nextFinisher(race, listed, rowLaps);
        if (slot == kNoSlot) {
            continue;
        }
        listed[slot] = true;
        FinalResultRow& result = rows[static_cast<std::size_t>(row)];
        result.slot = slot;
        result.laps = rowLaps;
        result.raceTime = lapColumn(race.raceTimeAtLap[slot], rowLaps);
        // Without a known winner there is no reference time.
        if (rowLaps == race.maxLap && isSlot(race.winnerSlot) && slot != race.winnerSlot) {
            const std::int32_t winnerTime = lapColumn(race.raceTimeAtLap[race.winnerSlot], race.maxLap);
            result.gapToWinner = timeDifference(result.raceTime, winnerTime);
        }
        if (isSlot(previousSlot) && race.lapsDone[previousSlot] == rowLaps) {
            const std::int32_t previousTime = lapColumn(race.raceTimeAtLap[previousSlot], rowLaps);
            result.gapToPrevious = timeDifference(result.raceTime, previousTime);
        }
        previousSlot = slot;
    }
    return rows;
}

}  // namespace

PositionBoard computePositionBoard(const RaceRecord& race) {
    PositionBoard board;
    board.holderAtLap.fill(emptyRows());
    for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
        board.holderAtLap[static_cast<std::size_t>(lap)] = positionsAtLap(race, lap);
    }
    board.finalResult = finalResultOf(race);
    return board;
}

}  // namespace league::quorrin
