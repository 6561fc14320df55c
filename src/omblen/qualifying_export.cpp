#include "omblen/qualifying_export.hpp"

#include "common/export_dialogue.hpp"

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
    readExportRows(reader, readOmblenRow, [&](const ExportRow& row) {
        if (!addEntry(table, entryOf(row, table.currentExport)) && !table.rowsLeftOut) {
            table.rowsLeftOut = true;
            reportRowsLeftOut(console.out());
        }
    });
}

}  // namespace league::omblen
