#pragma once
// The race as the replay, the repairs and the export give it: the track, the 33
// driver slots of the replay with their lap times and elapsed times, and the
// whole-race values. Every table has a fixed size; slots are 0..32, lap columns 1..39
// (column 0 of lapTime holds the best lap). What is computed from the race belongs
// to the analysis; the file names belong to the run.

#include "common/time_text.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace league::quorrin {

inline constexpr int kSlotCount = 33;
inline constexpr int kLapColumns = 40;
inline constexpr int kMaxLap = kLapColumns - 1;
inline constexpr int kNoSlot = -1;
/// The replay's lap record table holds at most this many records.
inline constexpr int kMaxLapRecords = 3000;

/// One record of the replay's lap record table, as far as it is read.
struct LapRecord {
    std::int32_t slot = 0;
    std::int32_t lapNumber = 0;
    std::int32_t lapTime = 0;
};

using LapColumns = std::array<std::int32_t, kLapColumns>;

struct RaceRecord {
    RaceRecord() {
        for (LapColumns& laps : lapTime) {
            laps.fill(0);
            laps[0] = kNoTime;
        }
        for (LapColumns& elapsed : raceTimeAtLap) {
            elapsed.fill(0);
        }
    }

    std::string trackName;

    std::array<std::string, kSlotCount> driverName{};
    std::array<std::string, kSlotCount> bikeName{};
    std::array<std::int32_t, kSlotCount> startNumber{};
    std::array<std::int32_t, kSlotCount> lapsDone{};
    /// Element 0: the best lap (kNoTime until a lap is known); 1..39: each lap's time.
    std::array<LapColumns, kSlotCount> lapTime{};
    std::array<std::int32_t, kSlotCount> bestLapNo{};
    /// Elapsed race time at the end of each lap, from the export; element 0 unused.
    std::array<LapColumns, kSlotCount> raceTimeAtLap{};
    std::array<std::int32_t, kSlotCount> penalty{};
    /// The second repair pass split this slot's first lap in two: laps 1 and 2 are then
    /// both parts of the lap from the start.
    std::array<bool, kSlotCount> firstLapSplit{};

    std::int32_t maxLap = 0;
    std::int32_t winnerSlot = kNoSlot;
    std::int32_t driverCount = 0;

    /// The replay's lap record table as read, in file order (at most kMaxLapRecords).
    std::vector<LapRecord> lapRecords;
    std::int32_t recordCount = 0;
    /// Index of the first race lap record: the one after the last race start marker.
    std::int32_t firstRaceRecord = 0;
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

/// A slot or lap number of the record as an index of its arrays.
inline std::size_t toIndex(std::int32_t index) {
    return static_cast<std::size_t>(index);
}

/// True for a slot index that addresses one of the 33 driver slots.
inline bool isSlot(std::int32_t slot) {
    return slot >= 0 && slot < kSlotCount;
}

}  // namespace league::quorrin
