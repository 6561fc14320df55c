#pragma once
// A table as aligned columns of a monospaced font, for the texts that show no table
// markup (a forum's code block, a Discord message): widths counted in characters, names
// and reasons cut past kCutWidth characters with "…", numbers and times aligned right.

#include "league/write/table_model.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// The most characters of a name or a reason in a column; a longer one is cut to
/// kCutWidth - 1 characters and "…". Room for a rider's full name in most leagues,
/// narrow enough that the standings of a few rounds fit a forum's code block.
inline constexpr std::size_t kCutWidth = 20;

/// The lines of a table laid out in columns; none ends in a blank.
struct ColumnLines {
    std::string head;
    /// Dashes under each head, as wide as its column.
    std::string rule;
    std::vector<std::string> rows;
};

ColumnLines columnLines(const Table& table);

/// The characters of a UTF-8 text as a monospaced font shows them: one per character,
/// none for a zero-width space.
std::size_t textWidth(std::string_view text);

/// `text` cut to at most `width` characters: its first `width` - 1 and "…".
std::string cutToWidth(std::string_view text, std::size_t width);

}  // namespace league::season
