#include "duvessa/entry_table.hpp"

namespace league::duvessa {

bool addEntry(EntryTable& table, const ExportRow& row, std::int32_t raceNumber) {
    if (table.entryCount >= kMaxEntries) {
        return false;
    }
    MergeEntry& entry = table.entries[static_cast<std::size_t>(table.entryCount)];
    entry = MergeEntry{};
    entry.startNumber = row.startNumber;
    entry.driverName = row.driverName;
    entry.bikeName = row.bikeName;
    entry.laps = row.laps;
    entry.raceTime = row.time;
    entry.raceNumber = raceNumber;
    if (table.entryCount == 0) {
        table.referenceLaps = entry.laps;
    }
    // The reference time can still drop while later exports are read.
    if (entry.laps == table.referenceLaps && entry.raceTime < table.referenceTime) {
        table.referenceTime = entry.raceTime;
    }
    ++table.entryCount;
    return true;
}

bool takeRaceRows(EntryTable& table, const std::vector<ExportRow>& rows, std::int32_t raceNumber) {
    const bool wasFull = table.rowsLeftOut > 0;
    for (const ExportRow& row : rows) {
        if (!addEntry(table, row, raceNumber)) {
            ++table.rowsLeftOut;
        }
    }
    return !wasFull && table.rowsLeftOut > 0;
}

}  // namespace league::duvessa
