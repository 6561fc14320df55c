#pragma once
// Qualifying tables of numbered riders for the page tests, and the rows the pages show
// for them, spelled out from the cells a user sees in the page source.

#include "omblen/qualifying_table.hpp"

#include "support/expected_page.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace league::omblen::expected {

/// One entry per best lap, in reading order: entry i is "Rider i+1" with start number
/// i+1 on "Bike", lap "3/5", with the given speed, from export `exportNo`.
inline QualifyingTable tableOf(const std::vector<std::int32_t>& bestLaps, double speedKmh, std::int32_t exportNo) {
    QualifyingTable table;
    for (std::size_t i = 0; i < bestLaps.size(); ++i) {
        QualifyingEntry entry;
        entry.startNumber = static_cast<std::int32_t>(i) + 1;
        entry.driverName = "Rider " + std::to_string(i + 1);
        entry.bikeName = "Bike";
        entry.bestLap = bestLaps[i];
        entry.lapText = "3/5";
        entry.speedKmh = speedKmh;
        entry.exportNo = exportNo;
        addEntry(table, entry);
    }
    return table;
}

inline const std::string kPlainCell = "<td align=\"center\"> ";
inline const std::string kGreyCell = "<td align=\"center\" bgcolor=\"#DDDDDD\"> ";

inline std::string positionCell(int position) {
    return "<td align=\"center\" bgcolor=\"#00FF00\"> " + std::to_string(position) + " <bgcolor=\"#FFFFFF\" /td> ";
}

/// The row of the entry with start number `number` as tableOf names it, its cells
/// opened with `open`, its speed shown as "150.0 km/h", ending with `gridCell`.
inline std::string entryRow(int position, int number, const std::string& time, const std::string& gapFirst,
                            const std::string& gapBefore, const std::string& open, const std::string& gridCell) {
    using testing::cell;
    return positionCell(position) + cell(open, std::to_string(number)) +
           cell(open, "Rider " + std::to_string(number)) + cell(open, "Bike") + cell(open, time) +
           cell(open, gapFirst) + cell(open, gapBefore) + cell(open, "3/5") + cell(open, "150.0 km/h") + gridCell +
           " </tr> ";
}

}  // namespace league::omblen::expected
