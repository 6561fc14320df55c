#pragma once
// "grids_forum.txt": the grids in forum markup, one "[table]" per grid and one line
// per driver with position, number, driver, bike and time, for pasting into a forum.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

#include <cstdint>

namespace league::omblen {

inline constexpr const char* kForumTextFileName = "grids_forum.txt";

/// The title line of grid `grid` with `size` drivers and the table's opening.
void writeForumGridOpening(ReportWriter& text, std::int32_t grid, std::int32_t size);

/// Starts a driver's line with its position.
void writeForumPositionCell(ReportWriter& text, std::int32_t position);

/// The number, driver, bike and time cells of a ranked entry.
void writeForumEntryCells(ReportWriter& text, const QualifyingEntry& entry);

/// Ends a driver's line.
void writeForumRowEnd(ReportWriter& text);

void writeForumGridEnd(ReportWriter& text);

/// The text's last piece, after all grids.
void writeForumEnd(ReportWriter& text);

}  // namespace league::omblen
