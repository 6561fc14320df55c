#pragma once
// CSV files for spreadsheets: UTF-8 with a byte-order mark (so that a spreadsheet
// reads the names right), comma separated, quoted as RFC 4180 says, CR LF line ends,
// a header row.

#include "league/write/table_model.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The header row of the columns' heads, then a record per row.
std::string csvText(const Table& table);

/// Several tables in one file, an empty line between them, each with its caption on a
/// record of its own before its header row; one table is written as csvText writes it.
std::string csvText(const std::vector<Table>& tables);

}  // namespace league::season
