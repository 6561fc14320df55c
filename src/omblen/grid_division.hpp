#pragma once
// The grid division: the ranked field cut into grids of at most the configured size,
// written to "grids.html" and "grids_forum.txt" in one pass.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

#include <cstdint>

namespace league::omblen {

/// Ranks the table again from the fastest entry and writes the grids into the opened
/// `gridPage` and `forumText`, numbering the positions on from grid to grid; the first
/// driver of a grid gets his gap to the last driver of the grid before. Writes the
/// result page's last piece. `maxDriversInGrid` is at least 1.
void writeGrids(QualifyingTable& table, std::int32_t maxDriversInGrid, ReportWriter& resultPage,
                ReportWriter& gridPage, ReportWriter& forumText);

}  // namespace league::omblen
