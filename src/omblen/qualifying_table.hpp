#pragma once
// The table of one Omblen run: every driver row taken from the exports, in reading
// order, and the ranking by best lap that the result page and the grids share.

#include "common/export_recipes.hpp"
#include "common/time_text.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
};

/// The whole state of one run.
struct QualifyingTable {
    std::array<QualifyingEntry, kMaxEntries> entries{};
    std::int32_t entryCount = 0;
    /// The smallest best lap of all entries; starts at "no time".
    std::int32_t bestOverall = kNoTime;
    /// Rows that found the table full and were left out.
    std::int32_t rowsLeftOut = 0;
};

/// Keeps a row as the next entry and lowers `bestOverall` when its best lap is smaller.
/// Returns false (and keeps nothing) when the table already holds kMaxEntries entries.
bool addEntry(QualifyingTable& table, const QualifyingEntry& entry);

/// Takes the rows of export `exportNo` as entries while the table has room; the rest
/// are left out. True when these rows were the first of the run to find the table
/// full, so that the user is told once.
bool takeQualifyingRows(QualifyingTable& table, const std::vector<ExportRow>& rows, std::int32_t exportNo);

/// Entry indices in ranked order: by ascending best lap, ties in reading order. Only
/// best laps above 0 and below "no time" are ranked; the other entries leave the last
/// positions of the pages empty.
std::vector<int> rankByBestLap(const QualifyingTable& table);

/// The entry placed before the one at `rank` in `ranking`: the one ranked just above
/// it, or entry 0 for the first.
int previousPlaced(const std::vector<int>& ranking, std::size_t rank);

/// An entry's gaps to the best time of all entries and to the entry placed before it.
struct EntryGaps {
    std::optional<std::int32_t> toFirst;
    std::optional<std::int32_t> toPrevious;
};

/// The gaps of `entry`, none for the best time; a driver as fast as the one before him,
/// but slower than the best, is 0 behind the previous.
EntryGaps entryGaps(const QualifyingTable& table, int entry, int previousPlaced);

}  // namespace league::omblen
