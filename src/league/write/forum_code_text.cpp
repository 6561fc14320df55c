#include "league/write/forum_code_text.hpp"

#include "league/write/forum_text.hpp"
#include "league/write/text_columns.hpp"

#include "common/report_writer.hpp"

namespace league::season {

namespace {

void writeLine(ReportWriter& text, std::string_view line) {
    text.writeValueText(line);
    text.writeFragment("\n");
}

}  // namespace

std::string forumCodeText(const PostContent& post) {
    ReportWriter text(PageConventions::Classic);
    for (const std::string& line : post.titleLines) {
        writeLine(text, line);
    }
    text.writeFragment("\n[code]\n");
    for (std::size_t t = 0; t < post.tables.size(); ++t) {
        const Table& table = post.tables[t];
        if (t > 0) {
            text.writeFragment("\n");
        }
        if (!table.caption.empty()) {
            writeLine(text, table.caption);
        }
        const ColumnLines lines = columnLines(table);
        writeLine(text, lines.head);
        writeLine(text, lines.rule);
        for (const std::string& row : lines.rows) {
            writeLine(text, row);
        }
    }
    text.writeFragment("[/code]\n");
    writeForumNotes(text, post.notes);
    return std::string(text.bytes());
}

}  // namespace league::season
