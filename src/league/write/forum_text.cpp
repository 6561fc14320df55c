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

void writeForumNotes(ReportWriter& text, const std::vector<NoteList>& notes) {
    for (const NoteList& list : notes) {
        text.writeFragment("\n");
        if (!list.heading.empty()) {
            text.writeFragment("[b]");
            text.writeValueText(list.heading);
            text.writeFragment("[/b]\n");
        }
        for (const std::string& line : list.lines) {
            text.writeValueText(line);
            text.writeFragment("\n");
        }
    }
}

std::string forumText(const PostContent& post) {
    ReportWriter text(PageConventions::Classic);
    for (const std::string& line : post.titleLines) {
        text.writeValueText(line);
        text.writeFragment("\n");
    }
    for (const Table& table : post.tables) {
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
    writeForumNotes(text, post.notes);
    return std::string(text.bytes());
}

}  // namespace league::season
