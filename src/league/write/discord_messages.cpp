#include "league/write/discord_messages.hpp"

#include "league/write/text_columns.hpp"

#include <optional>

namespace league::season {

namespace {

constexpr std::string_view kFenceLine = "```\n";
constexpr std::string_view kContinued = " (continued)";
// A note line or title line longer than this is cut, so that every line fits a message
// with the title and a table's head.
constexpr std::size_t kLongestLine = 400;

// A name or any text of the post, unable to mention anyone or to end a code block.
std::string neutralised(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        if (c == '@') {
            shown += "@\u200B";
        } else if (c == '`') {
            shown += "\u02CB";
        } else if (c == '|') {
            shown += "\u00A6";
        } else {
            shown += c;
        }
    }
    return shown;
}

// A text outside the code blocks: neutralised, cut to kLongestLine characters, and the
// characters that Discord's Markdown reads as formatting behind a backslash.
std::string escaped(std::string_view text) {
    std::string shown;
    for (const char c : cutToWidth(neutralised(text), kLongestLine)) {
        if (std::string_view("\\*_~<>[]#").find(c) != std::string_view::npos) {
            shown += '\\';
        }
        shown += c;
    }
    return shown;
}

Table neutralisedTable(Table table) {
    for (TableColumn& column : table.columns) {
        column.head = neutralised(column.head);
    }
    for (TableRow& row : table.rows) {
        for (TableCell& cell : row.cells) {
            cell.text = neutralised(cell.text);
        }
    }
    return table;
}

// Fills messages line by line; a line that would take a message beyond the limit
// (with the fence that closes its code block) starts the next message.
class MessagePacker {
public:
    MessagePacker(std::string titleLines, std::string continuedTitle)
        : message_(std::move(titleLines)), continuedTitle_(std::move(continuedTitle)) {}

    // A line outside the code blocks; an open block is closed before it.
    void addLine(const std::string& line) {
        if (!fits(closing() + discordLength(line) + 1)) {
            startNext();
        }
        closeBlock();
        append(line + "\n");
    }

    // A row of the table numbered `table`, whose code block begins with `opening` (the
    // caption, the fence, the head and the rule) in each message that holds its rows.
    void addRow(std::size_t table, const std::string& opening, const std::string& row) {
        const bool open = openTable_ == table;
        const std::size_t needed = (open ? 0 : closing() + discordLength(opening)) + discordLength(row) + 1;
        if (!fits(needed + kFenceLine.size())) {
            startNext();
        }
        if (openTable_ != table) {
            closeBlock();
            append(opening);
            openTable_ = table;
        }
        append(row + "\n");
    }

    std::vector<std::string> finish() {
        closeBlock();
        messages_.push_back(std::move(message_));
        return std::move(messages_);
    }

private:
    std::size_t closing() const { return openTable_ ? kFenceLine.size() : 0; }
    bool fits(std::size_t more) const { return discordLength(message_) + more <= kDiscordMessageLimit; }

    void closeBlock() {
        if (openTable_) {
            message_ += kFenceLine;
            openTable_.reset();
        }
    }

    void startNext() {
        closeBlock();
        messages_.push_back(std::move(message_));
        message_ = continuedTitle_;
    }

    // A text that fits no message even after the title alone is cut to the room left.
    void append(const std::string& text) {
        if (fits(discordLength(text))) {
            message_ += text;
            return;
        }
        const std::size_t room = kDiscordMessageLimit - discordLength(message_) - kFenceLine.size() - 1;
        message_ += cutToWidth(text, room / 2) + "\n";
    }

    std::string message_;
    std::string continuedTitle_;
    std::optional<std::size_t> openTable_;
    std::vector<std::string> messages_;
};

// The caption in bold, the fence, the head and the rule of a table's code block.
std::string openingOf(const Table& table, const ColumnLines& lines) {
    const std::string caption = table.caption.empty() ? "" : "**" + escaped(table.caption) + "**\n";
    return caption + std::string(kFenceLine) + lines.head + "\n" + lines.rule + "\n";
}

}  // namespace

std::size_t discordLength(std::string_view text) {
    std::size_t length = 0;
    for (const char byte : text) {
        const auto value = static_cast<unsigned char>(byte);
        // A lead byte counts once; the lead byte of four counts twice (a surrogate pair).
        length += (value & 0xC0) == 0x80 ? 0 : value >= 0xF0 ? 2 : 1;
    }
    return length;
}

std::vector<std::string> discordMessages(const PostContent& post) {
    const std::string title = post.titleLines.empty() ? std::string() : escaped(post.titleLines.front());
    std::string titleLines = "**" + title + "**\n";
    for (std::size_t l = 1; l < post.titleLines.size(); ++l) {
        titleLines += escaped(post.titleLines[l]) + "\n";
    }
    MessagePacker packer(titleLines, "**" + title + std::string(kContinued) + "**\n");
    for (std::size_t t = 0; t < post.tables.size(); ++t) {
        const Table table = neutralisedTable(post.tables[t]);
        const ColumnLines lines = columnLines(table);
        const std::string opening = openingOf(table, lines);
        for (const std::string& row : lines.rows) {
            packer.addRow(t, opening, row);
        }
    }
    for (const NoteList& notes : post.notes) {
        // The heading goes with the first note, never alone at the end of a message.
        std::string heading = notes.heading.empty() ? "" : "**" + escaped(notes.heading) + "**\n";
        for (const std::string& line : notes.lines) {
            packer.addLine(heading + (notes.heading.empty() ? "" : "- ") + escaped(line));
            heading.clear();
        }
    }
    return packer.finish();
}

}  // namespace league::season
