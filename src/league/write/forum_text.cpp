#include "league/write/forum_text.hpp"

#include "common/report_writer.hpp"

namespace league::season {

namespace {

// Forum texts have the CR LF line ends of the classic programs' texts.
void writeHeader(ReportWriter& text, const std::vector<TableColumn>& columns) {
    text.writeFragment("[tr]");
    for (const TableColumn& column : columns) {
        text.writeFragment("[td][b]");
        text.writeValueText(column.head);
        text.writeFragment("[/b][/td] ");
    }
    text.writeFragment("[/tr]\n");
}

void writeRow(ReportWriter& text, const TableRow& row) {
    text.writeFragment("[tr]");
    for (const TableCell& cell : row.cells) {
        text.writeFragment("[td]");
        text.writeValueText(cell.text);
        text.writeFragment("[/td] ");
    }
    text.writeFragment("[/tr]\n");
}

}  // namespace

std::string forumText(const std::string& title, const std::vector<Table>& tables) {
    ReportWriter text(PageConventions::Classic);
    text.writeValueText(title);
    text.writeFragment("\n");
    for (const Table& table : tables) {
        text.writeFragment("\n");
        if (!table.caption.empty()) {
            text.writeValueText(table.caption);
            text.writeFragment("\n");
        }
        text.writeFragment("[table]\n");
        writeHeader(text, table.columns);
        for (const TableRow& row : table.rows) {
            writeRow(text, row);
        }
        text.writeFragment("[/table]\n");
    }
    return std::string(text.bytes());
}

}  // namespace league::season
