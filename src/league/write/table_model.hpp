#pragma once
// A table of texts as League shows it in every format: its columns and rows are
// computed once, then rendered as a page's table (html_table), a forum text
// (forum_text) or a CSV file (csv_text). What only the page shows (a shorter head, a
// tooltip, a link, a note below a cell, a row's class) rides along and the other
// formats leave it out.

#include "common/report_writer.hpp"

#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// How the page sets a column's cells: centred; a name (left, on one line); a reason
/// (left, wrapping); a total (bold).
enum class ColumnLook { Plain, Name, Reason, Total };

struct TableColumn {
    /// The head of the forum text and the CSV file, and of the page unless `pageHead`
    /// is set.
    std::string head;
    /// A shorter head for the page ("+/-" for "Change"); none when empty.
    std::string pageHead = {};
    /// The head's tooltip on the page; none when empty.
    std::string tooltip = {};
    /// Where the head leads on a page with links; none when empty.
    std::string link = {};
    ColumnLook look = ColumnLook::Plain;
};

struct TableCell {
    std::string text;
    /// Small text below the text on the page ("P4"); none when empty.
    std::string note = {};
    /// The cell's tooltip on the page; none when empty.
    std::string tooltip = {};
    /// A dropped round's score, which the page greys.
    bool dropped = false;
};

struct TableRow {
    std::vector<TableCell> cells;
    /// The row's class on the page ("rider-row", "rider-row grid-start"), if any.
    std::optional<Fragment> pageClass;
};

struct Table {
    /// A line above the table in the forum text ("Grid 1 - 9 riders"); none when empty.
    std::string caption;
    std::vector<TableColumn> columns;
    std::vector<TableRow> rows;
};

}  // namespace league::season
