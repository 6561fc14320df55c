#pragma once
// Brings every rider's race time to the distance of the first export's winner, by the
// rider's own average lap, so that riders of different grids can be ranked together.

#include "duvessa/entry_table.hpp"

#include <cstdint>

namespace league::duvessa {

/// A time computed in 64 bits, held to the 32-bit range: a value beyond it becomes the
/// nearest 32-bit value (far above or below every real race time).
std::int32_t saturatedTime(std::int64_t value);

/// `raceTime` brought from `laps` to `referenceLaps`: the missing laps are added, or
/// the surplus laps taken off, at the average lap in whole milliseconds.
std::int32_t scaledRaceTime(std::int32_t raceTime, std::int32_t laps, std::int32_t referenceLaps);

/// Sets `rankLaps` and `rankTime` of every entry. A rider whose time is below the best
/// time over the full distance keeps its own laps and time.
void scaleEntries(EntryTable& table);

}  // namespace league::duvessa
