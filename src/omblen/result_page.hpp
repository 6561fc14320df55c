#pragma once
// The result page: the merged classification of all exports, "PRACTICE OR
// QUALIFICATION RESULT", one row per entry in ascending time.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

#include <vector>

namespace league::omblen {

/// Writes the whole result page of `ranking` (from rankByBestLap). Rows slower than
/// 107 % of the best time are grey. When the grids are divided in the same run the page
/// ends with one more "</body> \n", as it always has.
void writeResultPage(ReportWriter& page, const QualifyingTable& table, const std::vector<int>& ranking,
                     bool gridsDivided);

}  // namespace league::omblen
