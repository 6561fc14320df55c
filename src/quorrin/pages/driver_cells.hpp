#pragma once
// Cells that several tables of the two Quorrin pages share word for word: the driver
// cells in the riders' colours, the row numbers and the lap headers.

#include "common/report_writer.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>
#include <string_view>

namespace league::quorrin {

/// Opens a cell that belongs to the driver in `slot`, in his colour: his palette colour
/// in the colourful scheme; red, yellow or none in the plain one.
void driverCellOpen(ReportWriter& page, const RiderColours& colours, std::int32_t slot);

/// Opens a lap cell that holds no driver: white in the colourful scheme, plain otherwise.
void emptyCellOpen(ReportWriter& page, const RiderColours& colours);

/// The grey row-number cell that begins a body row ("... 3 <bgcolor="#FFFFFF" /td> ").
void writeRowNumberCell(ReportWriter& page, std::int32_t row);

/// The grey row-number cell in the middle of a row of the two-part tables; its closing
/// tag reads "td>", not "/td>".
void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row);

/// A cell in the colour of the driver in `slot` holding `text` byte for byte, closed
/// with " </td> ".
void writeDriverCell(ReportWriter& page, const RiderColours& colours, std::int32_t slot, std::string_view text);

/// A cell in the colour of the driver in `slot` holding his start number.
void writeStartNumberCell(ReportWriter& page, const RaceRecord& race, const RiderColours& colours,
                          std::int32_t slot);

/// The start-number and name cells with which a driver's part of a row begins.
void writeNumberAndNameCells(ReportWriter& page, const RaceRecord& race, const RiderColours& colours,
                             std::int32_t slot);

/// A cell of a lap column: the start number of the driver placed there, or an empty
/// cell when `slot` is kNoSlot (fewer drivers completed the lap than there are rows).
void writeLapColumnCell(ReportWriter& page, const RaceRecord& race, const RiderColours& colours, std::int32_t slot);

/// The end of a row of the two-part tables that has no driver on its right: an empty
/// cell, " </td>" and the row end.
void writeEmptyRowEnd(ReportWriter& page, const RiderColours& colours);

/// One header cell per lap from `firstLap` to `lastLap`, each closing the cell before it.
void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

/// The header row of the two-part tables (position board and comparator) up to the
/// bike column: "pos", the laps `firstLap` to `lastLap`, "pos", "#", driver and bike.
void writeLapTableHeaderStart(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

}  // namespace league::quorrin
