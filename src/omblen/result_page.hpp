#pragma once
// The result page: the merged classification of all exports, "PRACTICE OR
// QUALIFICATION RESULT", one row per entry in ascending time.

#include "common/report_writer.hpp"
#include "omblen/qualifying_table.hpp"

namespace league::omblen {

/// Writes the result page into the opened `page`, from the head to " <BR>"; its last
/// piece, "</body> \n", is written by the grid division. Rows slower than 107 % of the
/// best time are shaded grey. Ranks the table, leaving every written entry placed.
void writeResultPage(QualifyingTable& table, ReportWriter& page);

}  // namespace league::omblen
