#pragma once
// The table of one Omblen run: every driver row taken from the exports, in reading
// order, and the ranking by best lap that the result page and the grids share.

#include "common/time_text.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace league::omblen {

/// All exports together fill at most this many entries.
inline constexpr int kMaxEntries = 99;

/// One driver row taken from an export.
struct QualifyingEntry {
    std::int32_t startNumber = 0;
    /// At most 32 bytes, copied from the export byte for byte.
    std::string driverName;
    /// At most 32 bytes, copied from the export byte for byte.
    std::string bikeName;
    /// Milliseconds; never 0 in a kept entry.
    std::int32_t bestLap = 0;
    /// At most 6 bytes, shown in the "lap" column.
    std::string lapText;
    double speedKmh = 0.0;
    /// 1 to 4: the export (grid) the row came from, in the order the exports were named.
    std::int32_t exportNo = 0;
    /// Set once a ranking pass has written the entry.
    bool placed = false;
};

/// The whole state of one run.
struct QualifyingTable {
    std::array<QualifyingEntry, kMaxEntries> entries{};
    std::int32_t entryCount = 0;
    /// The smallest best lap of all entries; starts at "no time".
    std::int32_t bestOverall = kNoTime;
    /// The export being asked for or read, 1 to 4.
    std::int32_t currentExport = 1;
    /// The result page: the first export's name followed by ".html".
    std::string pageFileName;
    /// The path of the export being read.
    std::string exportPath;
    /// Set when a row was refused because the table was full, so that the user is told once.
    bool rowsLeftOut = false;
};

/// Keeps a row as the next entry and lowers `bestOverall` when its best lap is smaller.
/// Returns false (and keeps nothing) when the table already holds kMaxEntries entries.
bool addEntry(QualifyingTable& table, const QualifyingEntry& entry);

/// The index of the unplaced entry with the smallest best lap above 0 and below "no
/// time"; ties go to the entry read first. -1 when no entry is left. The caller writes
/// the entry and then sets its `placed` flag.
int nextFastestEntry(const QualifyingTable& table);

/// Clears every `placed` flag, so that a new ranking pass starts from the fastest entry.
void clearPlacedFlags(QualifyingTable& table);

}  // namespace league::omblen
