#pragma once
// The pieces that the result page and "grids.html" share: the page head, the green
// header row, and the cells of one ranked entry.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

#include <cstdint>
#include <string_view>

namespace league::omblen {

/// Opens every cell of a row from the start number to the speed.
inline constexpr std::string_view kPlainCell = "<td align=\"center\"> ";
/// The same for a row slower than 107 % of the best time (result page only).
inline constexpr std::string_view kGreyCell = "<td align=\"center\" bgcolor=\"#DDDDDD\"> ";

/// The head of both pages; they differ only in the line-break piece before "<body>".
void writePageHead(ReportWriter& page, std::string_view lineBreakPiece);

/// The green header row ("pos" to "grid") and the opening of the first body row.
void writeHeaderRow(ReportWriter& page);

/// The green cell with the row's position, which every row begins with.
void writePositionCell(ReportWriter& page, std::int32_t position);

/// The cells of entry `entry` from the start number to the grid: number, driver, bike,
/// time, the gaps to the best time and to entry `previousPlaced` (empty for the best
/// time), lap, speed in km/h, and the coloured grid cell of its export.
void writeEntryCells(ReportWriter& page, const QualifyingTable& table, int entry, int previousPlaced,
                     std::string_view cellOpening);

}  // namespace league::omblen
