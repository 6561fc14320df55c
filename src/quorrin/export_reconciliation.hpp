#pragma once
// Joins the race's results export to the replay: each row, in finishing order, is
// matched to a driver slot by start number and gives that driver's race time and
// penalty, from which the elapsed time at every lap and the first lap are derived.
// The first row names the winner; a row that claims more laps than the replay holds
// marks the export as not fitting the replay.

#include "quorrin/race_record.hpp"

#include "common/console.hpp"
#include "common/export_reader.hpp"

#include <cstdint>

namespace league::quorrin {

/// The last slot whose start number is `startNumber`, or kNoSlot.
std::int32_t slotOfStartNumber(const RaceRecord& race, std::int32_t startNumber);

/// Reads the rows of an opened export (Quorrin's margin) until the region ends, a row
/// stops the reading or a row cannot be read whole, and prints " taus=" / " Straf=" for
/// every row used. The first row sets the winner as soon as its start number is read.
void reconcileExport(ExportReader& reader, RaceRecord& race, Console& console);

/// The average of laps 2 to the last one, and its distance to the best lap, for every
/// slot with at least 2 laps.
void computeAverages(RaceRecord& race);

}  // namespace league::quorrin
