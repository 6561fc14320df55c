#pragma once
// The lap table: every slot's lap times, lap count and best lap, the race's highest
// lap and the first slot to reach it, built from the replay's race lap records.

#include "quorrin/record/race_record.hpp"

namespace league::quorrin {

/// True when a race lap record fits the lap table: slot 0..32 and lap 1..39. Other
/// records are kept in the record list but change nothing in the table.
bool fitsLapTable(const LapRecord& record);

/// Walks the race lap records in table order: the first slot to reach a new highest
/// lap becomes the winner, a slot's lap count is the lap number of its last record,
/// each record sets its lap's time, and a strictly faster lap becomes the best lap.
/// Then counts the slots that have laps.
void buildLapTable(RaceRecord& race);

}  // namespace league::quorrin
