#pragma once
// Reads what the race analyser needs from the simulator's binary replay: the track
// name, the 33 driver slots and the table of lap records at the end of the file. It
// seeks straight to those regions, since a replay can be hundreds of megabytes.

#include "quorrin/record/race_record.hpp"

#include "common/disk.hpp"
#include "common/result.hpp"

namespace league::quorrin {

/// Byte layout of a replay, as far as it is read.
inline constexpr std::int64_t kTrackNameOffset = 30;
inline constexpr std::int64_t kSlotTableOffset = 1138;
inline constexpr std::int64_t kSlotSize = 264;
inline constexpr std::int64_t kLapRecordSize = 40;
inline constexpr std::size_t kReplayTextWidth = 32;

/// The race start marker is a lap record with this lap number and a lap time of 0.
inline constexpr std::int32_t kRaceStartMarkerLap = 4;

/// Why a replay gives no lap records.
enum class ReplayProblem {
    LapTableDamaged  ///< the record count at the end of the file cannot be right
};

/// Reads the track name and the driver slots into `race`, then the lap record table,
/// and finds the first race lap record, the one after the last race start marker. A
/// field that lies past the end of a short replay keeps its initial value. The lap
/// table is damaged when the file is shorter than one record or its record count is
/// negative, above 3000 or larger than the file holds; then no record is kept, but the
/// track and the slots stay in `race`, since the run lists them before it stops.
Result<void, ReplayProblem> readReplay(ReadableFile& replay, RaceRecord& race);

/// A fixed-width text field of the replay: the bytes up to the first NUL, at most 32.
std::string replayText(const char* field, std::size_t width);

}  // namespace league::quorrin
