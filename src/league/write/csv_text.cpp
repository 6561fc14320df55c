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

// The records of a table: its header row, then its rows.
void writeRecords(std::string& text, const Table& table) {
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
}

}  // namespace

std::string csvText(const Table& table) {
    std::string text = "\xEF\xBB\xBF";
    writeRecords(text, table);
    return text;
}

std::string csvText(const std::vector<Table>& tables) {
    if (tables.size() == 1) {
        return csvText(tables.front());
    }
    std::string text = "\xEF\xBB\xBF";
    for (std::size_t t = 0; t < tables.size(); ++t) {
        text += t == 0 ? "" : "\r\n";
        if (!tables[t].caption.empty()) {
            writeField(text, true, tables[t].caption);
            text += "\r\n";
        }
        writeRecords(text, tables[t]);
    }
    return text;
}

}  // namespace league::season
