#pragma once
// Cells that several tables of the two Quorrin pages share word for word.

#include "common/report_writer.hpp"

#include <cstdint>

namespace league::quorrin {

/// The grey row-number cell that begins a body row ("... 3 <bgcolor="#FFFFFF" /td> ").
void writeRowNumberCell(ReportWriter& page, std::int32_t row);

/// The grey row-number cell in the middle of a row of the two-part tables; its closing
/// tag reads "td>", not "/td>".
void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row);

/// One header cell per lap from `firstLap` to `lastLap`, each closing the cell before it.
void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap);

}  // namespace league::quorrin
