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

void writeRecord(std::string& text, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? "" : ",") + csvField(fields[i]);
    }
    text += "\r\n";
}

}  // namespace

std::string csvText(const TextTable& table) {
    std::string text = "\xEF\xBB\xBF";
    writeRecord(text, table.header);
    for (const auto& row : table.rows) {
        writeRecord(text, row);
    }
    return text;
}

}  // namespace league::season
