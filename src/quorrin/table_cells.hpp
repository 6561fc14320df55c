#pragma once
// Cells that several tables of the two Quorrin pages share word for word.

#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"

#include <cstdint>
#include <string_view>

namespace league::quorrin {

/// The grey row-number cell that begins a body row ("... 3 <bgcolor="#FFFFFF" /td> ").
void writeRowNumberCell(ReportWriter& page, std::int32_t row);

/// The grey row-number cell in the middle of a row of the two-part tables; its closing
/// tag reads "td>", not "/td>".
void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row);

/// A cell in the colour of the driver in `slot` holding `text` byte for byte, closed
/// with " </td> ".
void writeDriverCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot,
                     std::string_view text);

/// The start-number and name cells with which a driver's part of a row begins.
void writeNumberAndNameCells(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice,
                             std::int32_t slot);

/// A cell of a lap column: the start number of the driver placed there, or an empty
/// cell when `slot` is kNoSlot (fewer drivers completed the lap than there are rows).
void writeLapColumnCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot);

/// One header cell per lap from `firstLap` to `lastLap`, each closing the cell before it.
void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

/// The header row of the two-part tables (position board and comparator) up to the
/// bike column: "pos", the laps `firstLap` to `lastLap`, "pos", "#", driver and bike.
void writeLapTableHeaderStart(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

}  // namespace league::quorrin
