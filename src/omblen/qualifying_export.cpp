#include "omblen/qualifying_export.hpp"

#include "common/export_recipes.hpp"

#include <ostream>

namespace league::omblen {

namespace {

QualifyingEntry entryOf(const ExportRow& row, std::int32_t exportNo) {
    QualifyingEntry entry;
    entry.startNumber = row.startNumber;
    entry.driverName = row.driverName;
    entry.bikeName = row.bikeName;
    entry.bestLap = row.time;
    entry.lapText = row.lapText;
    entry.speedKmh = row.speedKmh;
    entry.exportNo = exportNo;
    return entry;
}

}  // namespace

void readQualifyingExport(ExportReader& reader, QualifyingTable& table, Console& console) {
    if (!reader.rowsAvailable()) {
        return;
    }
    do {
        ExportRow row;
        if (readOmblenRow(reader, row) != RowOutcome::Taken) {
            return;
        }
        if (!addEntry(table, entryOf(row, table.currentExport)) && !table.rowsLeftOut) {
            table.rowsLeftOut = true;
            console.out() << "Only 99 drivers fit in one table; the rest are left out!" << '\n';
        }
    } while (!reader.pastRegionEnd());
}

}  // namespace league::omblen
