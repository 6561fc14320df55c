#pragma once
// The missing-lap repair. The simulator sometimes fails to count a lap, and two laps
// then show as one very long lap. After asking the user, such a lap is split into two
// halves. The first pass looks at laps 2 onwards right after the lap table is built;
// the second looks at the first lap once the export has given its derived time.

#include "quorrin/record/race_record.hpp"

#include <cstdint>
#include <functional>
#include <optional>

namespace league::quorrin {

/// A lap above this time is questioned in the first pass: 185/100 of the best lap.
std::int64_t slowLapThreshold(std::int32_t bestLap);

/// Splits lap `lap` of `slot` in the lap times only: the lap keeps half its time, the
/// new next lap gets the other half and the odd millisecond, the laps above move up by
/// one and the slot's lap count grows by one. Best lap and race values stay. A lap the
/// slot does not have, or a slot that already has 39 laps, is left as it is.
void splitLap(RaceRecord& race, int slot, int lap);

/// Splits the first lap in the lap times and the elapsed times: the new first lap ends
/// at half the old one's elapsed time, and every elapsed time moves up with its lap;
/// the slot is marked in firstLapSplit. A slot without laps, or with 39 laps already,
/// is left as it is.
void splitFirstLap(RaceRecord& race, int slot);

/// A lap that may hide an uncounted one, to be asked about.
struct LapQuestion {
    int slot = 0;
    int lap = 0;
    /// The lap is the last one of a driver who got far in the race, so it may hold the
    /// finish: the user is warned that the export's race time may need editing too.
    bool lastLapCaution = false;
};

/// First pass, over every slot with a start number and at least 2 laps, from its last
/// lap down to lap 2: the next lap above slowLapThreshold after `previous` (nothing:
/// the first), with the answer to `previous` already applied. A split that would give
/// the slot more than 39 laps is not offered.
std::optional<LapQuestion> nextSlowLapQuestion(const RaceRecord& race, const std::optional<LapQuestion>& previous);

/// Second pass: the next slot after `previous` (nothing: the first) that has a start
/// number and a first lap above twice its best lap.
std::optional<LapQuestion> nextFirstLapQuestion(const RaceRecord& race, const std::optional<LapQuestion>& previous);

/// The answer to a repair question: true splits the lap. It is asked with the answers
/// to the questions before it already applied to the race.
using LapAnswer = std::function<bool(const LapQuestion& question)>;

/// The first pass, whole: every slow-lap question in turn, each lap answered yes split
/// before the next question is looked for.
void repairSlowLaps(RaceRecord& race, const LapAnswer& answer);

/// The second pass, whole, after the export is joined: every first-lap question in
/// turn, each first lap answered yes split.
void repairFirstLaps(RaceRecord& race, const LapAnswer& answer);

}  // namespace league::quorrin
