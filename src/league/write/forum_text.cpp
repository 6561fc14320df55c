#include "league/write/forum_text.hpp"

namespace league::season {

namespace {

void writeRow(std::string& text, const std::vector<std::string>& cells, bool header) {
    text += "[tr]";
    for (const std::string& cell : cells) {
        text += header ? "[td][b]" + cell + "[/b][/td] " : "[td]" + cell + "[/td] ";
    }
    text += "[/tr]\r\n";
}

}  // namespace

std::string forumText(const std::string& title, const std::vector<TextTable>& tables) {
    std::string text = title + "\r\n";
    for (const TextTable& table : tables) {
        text += "\r\n";
        if (!table.caption.empty()) {
            text += table.caption + "\r\n";
        }
        text += "[table]\r\n";
        writeRow(text, table.header, true);
        for (const auto& row : table.rows) {
            writeRow(text, row, false);
        }
        text += "[/table]\r\n";
    }
    return text;
}

}  // namespace league::season
