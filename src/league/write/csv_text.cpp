#include "league/write/csv_text.hpp"

namespace league::season {

namespace {

// A field that holds a comma, a quote or a line break is quoted, its quotes doubled.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

void writeField(std::string& text, bool first, const std::string& field) {
    text += (first ? "" : ",") + csvField(field);
}

}  // namespace

std::string csvText(const Table& table) {
    std::string text = "\xEF\xBB\xBF";
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        writeField(text, c == 0, table.columns[c].head);
    }
    text += "\r\n";
    for (const TableRow& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            writeField(text, c == 0, row.cells[c].text);
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace league::season
