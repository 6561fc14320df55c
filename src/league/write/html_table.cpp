#include "league/write/html_table.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

void writeHead(MarkupWriter& html, const TableColumn& column, PageVariant variant) {
    html.open("th");
    if (column.look == ColumnLook::Name) {
        html.attribute("class", "name");
    } else if (column.look == ColumnLook::Reason) {
        html.attribute("class", "reason");
    }
    if (!column.tooltip.empty()) {
        html.text("title", column.tooltip);
    }
    html.endStart();
    const std::string& head = column.pageHead.empty() ? column.head : column.pageHead;
    if (!column.link.empty() && variant.hasLinks()) {
        html.link(column.link, head);
    } else {
        html.writeContent(head);
    }
    html.close("th", false);
}

void writeCell(MarkupWriter& html, const TableCell& cell, ColumnLook look) {
    html.open("td");
    if (cell.dropped) {
        html.attribute("class", "dropped");
    } else if (look == ColumnLook::Name) {
        html.attribute("class", "name");
    } else if (look == ColumnLook::Reason) {
        html.attribute("class", "reason");
    } else if (look == ColumnLook::Total) {
        html.attribute("class", "total");
    }
    if (!cell.tooltip.empty()) {
        html.text("title", cell.tooltip);
    }
    html.endStart();
    html.writeContent(cell.text);
    if (!cell.note.empty()) {
        html.element("small", cell.note, false);
    }
    html.close("td", false);
}

}  // namespace

void writeHtmlTable(ReportWriter& page, const Table& table, Fragment className, PageVariant variant,
                    std::string_view id) {
    MarkupWriter html(page);
    html.write("<div class=\"scroll\">");
    html.open("table");
    if (!id.empty()) {
        html.text("id", id);
    }
    html.attribute("class", className).endStart();
    html.write("\n<thead><tr>");
    for (const TableColumn& column : table.columns) {
        writeHead(html, column, variant);
    }
    html.write("</tr></thead>\n<tbody>\n");
    for (const TableRow& row : table.rows) {
        html.open("tr");
        if (row.pageClass) {
            html.attribute("class", *row.pageClass);
        }
        html.endStart();
        for (std::size_t c = 0; c < row.cells.size() && c < table.columns.size(); ++c) {
            writeCell(html, row.cells[c], table.columns[c].look);
        }
        html.write("</tr>\n");
    }
    html.write("</tbody>\n</table></div>\n");
}

}  // namespace league::season
