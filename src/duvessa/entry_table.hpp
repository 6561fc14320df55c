#pragma once
// The run's table of entries: every row taken from the race exports, in reading order
// (first export first, each export's rows in file order), together with the distance
// and the time that every rider is brought to before the ranking.

#include "common/export_recipes.hpp"
#include "common/time_text.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace league::duvessa {

/// At most this many entries over all exports of a run together.
inline constexpr std::int32_t kMaxEntries = 99;

/// One row taken from an export. Riders are not matched across exports: the same
/// start number in two exports gives two entries.
struct MergeEntry {
    std::int32_t startNumber = 0;
    std::string driverName;
    std::string bikeName;
    /// Laps completed, 1 to 35.
    std::int32_t laps = 0;
    /// Total race time from the export, in milliseconds.
    std::int32_t raceTime = 0;
    /// Order number of the export in this run: the first export typed is 1.
    std::int32_t raceNumber = 0;
    /// Laps and time the entry is ranked by, set by the scaling.
    std::int32_t rankLaps = 0;
    std::int32_t rankTime = 0;
};

struct EntryTable {
    std::array<MergeEntry, kMaxEntries> entries{};
    std::int32_t entryCount = 0;
    /// The laps of entry 0: the winner of the first export that yields rows.
    std::int32_t referenceLaps = 0;
    /// The best race time over the reference distance so far.
    std::int32_t referenceTime = kNoTime;
    /// Rows that found the table full and were left out.
    std::int32_t rowsLeftOut = 0;
};

/// Takes a row as the next entry, from the export with order number `raceNumber`, and
/// keeps the reference laps and time up to date. Returns false, leaving the table as it
/// was, when the table is full.
bool addEntry(EntryTable& table, const ExportRow& row, std::int32_t raceNumber);

/// Takes the rows of export `raceNumber` as entries while the table has room; the
/// rest are left out. True when these rows were the first of the run to find the
/// table full, so that the user is told once.
bool takeRaceRows(EntryTable& table, const std::vector<ExportRow>& rows, std::int32_t raceNumber);

}  // namespace league::duvessa
