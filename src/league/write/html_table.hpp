#pragma once
// A table of the model as a page shows it: in a box that scrolls when it is wider than
// the page, a head row (with the columns' tooltips, and their links on a page with
// links), then a row per row of the model.

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "common/report_writer.hpp"

namespace league::season {

/// Writes `table` as a table element of the class `className` and, unless it is empty,
/// the id `id`.
void writeHtmlTable(ReportWriter& page, const Table& table, Fragment className, PageVariant variant,
                    std::string_view id = {});

}  // namespace league::season
