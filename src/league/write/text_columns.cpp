#include "league/write/text_columns.hpp"

#include <algorithm>

namespace league::season {

namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr std::string_view kZeroWidthSpace = "\u200B";
// Two blanks between columns, so that a column of names and one of bikes stay apart.
constexpr std::string_view kColumnGap = "  ";

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool alignsLeft(ColumnLook look) {
    return look == ColumnLook::Name || look == ColumnLook::Reason;
}

// A cell's text as the column shows it: names and reasons cut.
std::string shownText(const std::string& text, ColumnLook look) {
    return alignsLeft(look) ? cutToWidth(text, kCutWidth) : text;
}

// The texts of each line padded to the widths, left or right; the last column is not
// padded on the right, so no line ends in a blank.
std::string joined(const std::vector<std::string>& texts, const std::vector<std::size_t>& widths,
                   const std::vector<TableColumn>& columns) {
    std::string line;
    for (std::size_t c = 0; c < texts.size(); ++c) {
        const std::string padding(widths[c] - textWidth(texts[c]), ' ');
        const bool last = c + 1 == texts.size();
        line += c == 0 ? "" : std::string(kColumnGap);
        line += alignsLeft(columns[c].look) ? texts[c] + (last ? "" : padding) : padding + texts[c];
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::size_t textWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, kZeroWidthSpace.size(), kZeroWidthSpace) == 0) {
            at += kZeroWidthSpace.size() - 1;
        } else if (!isContinuationByte(text[at])) {
            ++width;
        }
    }
    return width;
}

std::string cutToWidth(std::string_view text, std::size_t width) {
    if (textWidth(text) <= width) {
        return std::string(text);
    }
    if (width == 0) {
        return {};
    }
    // The bytes of the first width - 1 characters, a character never split.
    std::size_t end = 0;
    for (std::size_t kept = 0; end < text.size(); ++end) {
        if (!isContinuationByte(text[end]) && kept++ == width - 1) {
            break;
        }
    }
    return std::string(text.substr(0, end)) + std::string(kEllipsis);
}

ColumnLines columnLines(const Table& table) {
    const std::vector<TableColumn>& columns = table.columns;
    std::vector<std::string> heads;
    std::vector<std::size_t> widths;
    for (const TableColumn& column : columns) {
        heads.push_back(column.head);
        widths.push_back(textWidth(column.head));
    }
    std::vector<std::vector<std::string>> rows;
    for (const TableRow& row : table.rows) {
        std::vector<std::string>& texts = rows.emplace_back();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            texts.push_back(c < row.cells.size() ? shownText(row.cells[c].text, columns[c].look) : std::string());
            widths[c] = std::max(widths[c], textWidth(texts.back()));
        }
    }
    ColumnLines lines{joined(heads, widths, columns), {}, {}};
    std::vector<std::string> dashes;
    for (const std::size_t width : widths) {
        dashes.emplace_back(width, '-');
    }
    lines.rule = joined(dashes, widths, columns);
    for (const std::vector<std::string>& texts : rows) {
        lines.rows.push_back(joined(texts, widths, columns));
    }
    return lines;
}

}  // namespace league::season
