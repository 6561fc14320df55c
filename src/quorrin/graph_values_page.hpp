#pragma once
// The graph values page (the replay name + "_G.html"): each driver's position at the
// end of every lap, and his time difference at the end of every lap to the winner's
// average pace, as plain numbers from which the league draws its charts.

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"
#include "quorrin/table_cells.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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

/// A difference in milliseconds as signed seconds with three decimals and no minutes:
/// 12345 -> "12.345", -500 -> "-0.500", 61000 -> "61.000".
std::string graphGapText(std::int64_t difference);

/// Room for every graph gap text: a sign, the seconds of a 64-bit value, a point and
/// three digits.
inline constexpr std::size_t kGraphGapTextCapacity = 32;

/// The same written into `out` (kGraphGapTextCapacity characters); returns its end.
char* writeGraphGapText(std::int64_t difference, char* out);

/// Writes the whole page, head and end included.
void writeGraphValuesPage(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                          std::int32_t colourChoice);

}  // namespace league::quorrin
