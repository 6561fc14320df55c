#pragma once
// "grids.html": one table per grid, with the columns of the result page.

#include "common/report_writer.hpp"
#include "omblen/grid_plan.hpp"
#include "omblen/qualifying_table.hpp"

#include <vector>

namespace league::omblen {

inline constexpr const char* kGridPageFileName = "grids.html";

/// Writes the whole grid page: the ranked field cut into the grids of `plan`, the
/// positions numbered on from grid to grid. The first driver of a grid gets his gap to
/// the last driver of the grid before; no row is grey, since every driver of a grid
/// starts in it.
void writeGridPage(ReportWriter& page, const QualifyingTable& table, const std::vector<int>& ranking,
                   const GridPlan& plan);

}  // namespace league::omblen
