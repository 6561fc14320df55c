#pragma once
// What the tables of the two pages share while they are written: the colour answer,
// the marks of rows and cells already placed, the fastest-lap counts and the first lap
// shown. It lives beside the RaceRecord for the length of the page writing only.

#include "quorrin/race_record.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace league::quorrin {

struct RacePageState {
    /// The number typed at the colour prompt: 0 chooses the colourful scheme, any other
    /// value the plain one with that start number in yellow.
    std::int32_t colourChoice = 0;
    /// Set once a slot has its row in the table being written.
    std::array<bool, kSlotCount> listedFlag{};
    /// Set once a slot has filled its cell in a lap column of the table being written.
    std::array<std::array<bool, kLapColumns>, kSlotCount> lapCellUsed{};
    /// Laps on which each slot was the fastest of all (counted by the comparator).
    std::array<std::int32_t, kSlotCount> fastestLapCount{};
    /// The first lap column of the lap tables: 1, or 2 when the export could not be used.
    std::int32_t firstShownLap = 1;

    void clearListedFlags() { listedFlag.fill(false); }
    void clearLapCellsUsed() {
        for (auto& laps : lapCellUsed) {
            laps.fill(false);
        }
    }
};

/// The value of lap column `lap`, or 0 for a lap outside the table, so that a lap count
/// read from a damaged file can never index past the columns.
inline std::int32_t lapColumn(const LapColumns& columns, std::int32_t lap) {
    return lap >= 0 && lap < kLapColumns ? columns[static_cast<std::size_t>(lap)] : 0;
}

/// The last lap column the per-lap tables show: `maxLap`, but never beyond lap 39.
inline std::int32_t lastShownLap(const RaceRecord& race) {
    return race.maxLap < kMaxLap ? race.maxLap : kMaxLap;
}

/// True for a slot index that addresses one of the 33 driver slots.
inline bool isSlot(std::int32_t slot) {
    return slot >= 0 && slot < kSlotCount;
}

}  // namespace league::quorrin
