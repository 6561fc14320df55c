#pragma once
// Cells and orders that several tables of the two Quorrin pages share word for word.

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace league::quorrin {

/// The slots of the rows of a table, one per row; kNoSlot for a row left empty.
using RowSlots = std::array<std::int32_t, kSlotCount>;

/// The slots that fill the rows of a lap column, one per row; kNoSlot where fewer
/// drivers completed the lap than there are rows.
using LapColumnSlots = std::array<RowSlots, kLapColumns>;

/// Rows that no driver fills.
RowSlots emptyRows();

/// The rows of a ranking by repeated selection of the smallest value: the slots for
/// which `valueOf(slot)` gives a value, by ascending value, equal values to the lower
/// slot, at most `rowCount` of them.
template <typename ValueOf>
RowSlots slotsInAscendingOrder(std::int32_t rowCount, ValueOf valueOf) {
    std::array<std::pair<std::int64_t, std::int32_t>, kSlotCount> ranked{};
    std::size_t count = 0;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        if (const std::optional<std::int64_t> value = valueOf(slot)) {
            ranked[count++] = {*value, slot};
        }
    }
    std::stable_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    RowSlots rows = emptyRows();
    for (std::size_t row = 0; row < count && static_cast<std::int64_t>(row) < rowCount; ++row) {
        rows[row] = ranked[row].second;
    }
    return rows;
}

/// The grey row-number cell that begins a body row ("... 3 <bgcolor="#FFFFFF" /td> ").
void writeRowNumberCell(ReportWriter& page, std::int32_t row);

/// The grey row-number cell in the middle of a row of the two-part tables; its closing
/// tag reads "td>", not "/td>".
void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row);

/// A cell in the colour of the driver in `slot` holding `text` byte for byte, closed
/// with " </td> ".
void writeDriverCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot,
                     std::string_view text);

/// A cell in the colour of the driver in `slot` holding his start number.
void writeStartNumberCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot);

/// The start-number and name cells with which a driver's part of a row begins.
void writeNumberAndNameCells(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice,
                             std::int32_t slot);

/// A cell of a lap column: the start number of the driver placed there, or an empty
/// cell when `slot` is kNoSlot (fewer drivers completed the lap than there are rows).
void writeLapColumnCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot);

/// The end of a row of the two-part tables that has no driver on its right: an empty
/// cell, " </td>" and the row end.
void writeEmptyRowEnd(ReportWriter& page, std::int32_t colourChoice);

/// One header cell per lap from `firstLap` to `lastLap`, each closing the cell before it.
void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

/// The header row of the two-part tables (position board and comparator) up to the
/// bike column: "pos", the laps `firstLap` to `lastLap`, "pos", "#", driver and bike.
void writeLapTableHeaderStart(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

}  // namespace league::quorrin
