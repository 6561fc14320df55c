#pragma once
// "grids_forum.txt": the grids in forum markup, one "[table]" per grid and one line
// per driver with position, number, driver, bike and time, for pasting into a forum.

#include "common/report_writer.hpp"
#include "omblen/grid_plan.hpp"
#include "omblen/qualifying_table.hpp"

#include <vector>

namespace league::omblen {

inline constexpr const char* kForumTextFileName = "grids_forum.txt";

/// Writes the whole forum text: the grids of `plan` with the drivers of `ranking`,
/// positions numbered on from grid to grid.
void writeForumText(ReportWriter& text, const QualifyingTable& table, const std::vector<int>& ranking,
                    const GridPlan& plan);

}  // namespace league::omblen
