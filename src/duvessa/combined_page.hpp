#pragma once
// The combined result page: one table, "POSITION BOARD / FINAL RESULT", with a row per
// position and twelve columns, written fragment by fragment.

#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"

#include "common/report_writer.hpp"

namespace league::duvessa {

/// Writes the whole page into an opened page, from the head to the table end.
void writeCombinedPage(ReportWriter& page, const EntryTable& table, const Placement& placement);

}  // namespace league::duvessa
