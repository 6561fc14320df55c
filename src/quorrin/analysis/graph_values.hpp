#pragma once
// The values of the graph values page: each driver's position at the end of every
// lap, and his time difference at the end of every lap to the winner's average pace.

#include "quorrin/analysis/ranking.hpp"
#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace league::quorrin {

struct GraphValues {
    /// The drivers of the rows, by their elapsed time at the end of lap 1; the rows of
    /// drivers without one stay empty at the end.
    RowSlots rowSlot{};
    /// position[row][lap]: the driver's position at the end of the lap; 0 when he has
    /// no time there. Drivers with equal times share the larger position.
    std::array<std::array<std::int32_t, kLapColumns>, kSlotCount> position{};
    /// difference[row][lap]: milliseconds behind the winner's average pace (negative
    /// when ahead of it); nothing for a cell left empty.
    std::array<std::array<std::optional<std::int64_t>, kLapColumns>, kSlotCount> difference{};
};

/// The rows, positions and differences of both tables, `driverCount` rows.
GraphValues computeGraphValues(const RaceRecord& race);

}  // namespace league::quorrin
