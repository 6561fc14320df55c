#pragma once
// The missing-lap repair. The simulator sometimes fails to count a lap, and two laps
// then show as one very long lap. After asking the user, such a lap is split into two
// halves. The first pass looks at laps 2 onwards right after the lap table is built;
// the second looks at the first lap once the export has given its derived time.

#include "quorrin/race_record.hpp"

#include "common/console.hpp"

#include <cstdint>

namespace league::quorrin {

/// A lap above this time is questioned in the first pass: 185/100 of the best lap.
std::int64_t slowLapThreshold(std::int32_t bestLap);

/// Splits lap `lap` of `slot` in the lap times only: the lap keeps half its time, the
/// new next lap gets the other half and the odd millisecond, the laps above move up by
/// one and the slot's lap count grows by one. Best lap and race values stay. A lap the
/// slot does not have, or a slot that already has 39 laps, is left as it is.
void splitLap(RaceRecord& race, int slot, int lap);

/// Splits the first lap in the lap times and the elapsed times: the new first lap ends
/// at half the old one's elapsed time, and every elapsed time moves up with its lap.
/// A slot without laps, or with 39 laps already, is left as it is.
void splitFirstLap(RaceRecord& race, int slot);

/// First pass, for every slot with a start number and at least 2 laps: from its last lap
/// down to lap 2, asks about every lap above slowLapThreshold and splits it on "y".
/// A split that would give the slot more than 39 laps is not offered.
void offerSlowLapRepairs(RaceRecord& race, Console& console);

/// Second pass, for every slot with a start number and a first lap above twice its best
/// lap: asks about lap 1 and splits it in both tables on "y".
void offerFirstLapRepairs(RaceRecord& race, Console& console);

}  // namespace league::quorrin
