#pragma once
// Joins the race's results export to the replay: each row, in finishing order, is
// matched to a driver slot by start number and gives that driver's race time and
// penalty, from which the elapsed time at every lap and the first lap are derived.
// The first row names the winner; a row that claims more laps than the replay holds
// shows that the two files are not of the same race.

#include "quorrin/record/race_record.hpp"

#include <cstdint>
#include <optional>
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

/// Whether the race times of the export are in the record. Only then can the position
/// board, the graph values and the charts be made, and the first laps be questioned.
enum class ExportJoin {
    Joined,       ///< the rows were read and used (also when none could be used)
    Missing,      ///< the export could not be read
    NotThisRace,  ///< a row claims more laps than the replay holds: the files do not belong together
};

/// The row that showed the files do not belong together: its start number and the laps
/// the export and the replay give that rider.
struct LapCountMismatch {
    std::int32_t startNumber = 0;
    std::int32_t exportLaps = 0;
    std::int32_t replayLaps = 0;
};

struct JoinedExport {
    ExportJoin outcome = ExportJoin::Missing;
    /// The rows used, in the order of the export.
    std::vector<JoinedRow> rows;
    /// With NotThisRace: the row that claims more laps than the replay holds.
    std::optional<LapCountMismatch> lapCountMismatch;
};

/// Reads the rows of the whole export (Quorrin's margin) until the region ends, a row
/// stops the reading or a row cannot be read whole, and joins them to the drivers. The
/// first row sets the winner as soon as its start number is read. A row that claims
/// more laps than the replay holds is still used, but no row after it is read.
/// Without export bytes nothing is joined.
JoinedExport joinExport(std::optional<std::string> exportBytes, RaceRecord& race);

}  // namespace league::quorrin
