#pragma once
// Joins the race's results export to the replay: each row, in finishing order, is
// matched to a driver slot by start number and gives that driver's race time and
// penalty, from which the elapsed time at every lap and the first lap are derived.
// The first row names the winner; a row that claims more laps than the replay holds
// marks the export as not fitting the replay.

#include "quorrin/race_record.hpp"

#include "common/console.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace league::quorrin {

/// The last slot whose start number is `startNumber`, or kNoSlot.
std::int32_t slotOfStartNumber(const RaceRecord& race, std::int32_t startNumber);

/// An export row that was joined to a driver: its start number, and the driver's race
/// time and penalty in milliseconds after it.
struct JoinedRow {
    std::int32_t startNumber = 0;
    std::int32_t raceTime = 0;
    std::int32_t penalty = 0;
};

/// Reads the rows of the whole export (Quorrin's margin) until the region ends, a row
/// stops the reading or a row cannot be read whole, and joins them to the drivers. The
/// first row sets the winner as soon as its start number is read. A row that claims
/// more laps than the replay holds sets `positionTableFailed`. Returns the rows used.
std::vector<JoinedRow> reconcileExport(std::string exportBytes, RaceRecord& race);

/// One line per row used: the start number, " taus=" and the race time, " Straf=" and
/// the penalty.
void listJoinedRows(Console& console, const std::vector<JoinedRow>& rows);

/// The average of laps 2 to the last one, and its distance to the best lap, for every
/// slot with at least 2 laps.
void computeAverages(RaceRecord& race);

}  // namespace league::quorrin
