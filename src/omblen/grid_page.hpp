#pragma once
// "grids.html": one table per grid, with the columns of the result page.

#include "common/report_writer.hpp"

#include <cstdint>

namespace league::omblen {

inline constexpr const char* kGridPageFileName = "grids.html";

void writeGridPageHead(ReportWriter& page);

/// Opens the table of grid `grid` with `size` drivers: caption and header row.
void writeGridTableOpening(ReportWriter& page, std::int32_t grid, std::int32_t size);

/// The closing pieces, once after the last grid, and the page's end.
void writeGridPageEnd(ReportWriter& page);

}  // namespace league::omblen
