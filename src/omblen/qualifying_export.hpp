#pragma once
// Takes the driver rows of one practice or qualifying export into the run's table.

#include "common/console.hpp"
#include "common/export_reader.hpp"
#include "omblen/qualifying_table.hpp"

namespace league::omblen {

/// Reads the rows of an opened export (Omblen's row recipe) into `table` as entries of
/// export `table.currentExport`. The rows end at the region end, at a best lap of 0 (that
/// row is dropped) or where the file runs out. Rows beyond the table's 99 entries are
/// refused; the first refusal of the run tells the user.
void readQualifyingExport(ExportReader& reader, QualifyingTable& table, Console& console);

}  // namespace league::omblen
