#pragma once
// The pieces that the result page and "grids.html" share: the page head, the green
// header row, and the cells of one ranked entry.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace league::omblen {

/// The head of both pages; they differ only in the line-break piece before "<body>".
void writePageHead(ReportWriter& page, Fragment lineBreakPiece);

/// The green header row ("pos" to "grid") and the opening of the first body row.
void writeHeaderRow(ReportWriter& page);

/// The cells of entry `entry` from the start number to the grid: number, driver, bike,
/// time, the gaps to the best time and to entry `previousPlaced` (empty for the best
/// time), lap, speed in km/h, and the coloured grid cell of its export. Every cell but
/// the grid cell opens with `cellOpening`.
void writeEntryCells(ReportWriter& page, const QualifyingTable& table, int entry, int previousPlaced,
                     Fragment cellOpening);

}  // namespace league::omblen
