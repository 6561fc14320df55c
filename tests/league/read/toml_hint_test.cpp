// The hints for a season file that is not TOML: the line as it would read mended, for
// the mistakes an admin makes when writing a season file for the first time.

#include "league/read/toml_hint.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

TEST(TomlHint, MendsAFolderInDoubleQuotesADateAsCalendarsWriteItAndAMissingClosingQuote) {
    const std::string unknownEscape = "Error while parsing string: unknown escape sequence '\\G'";
    const std::string lineBreak = "Error while parsing string: unescaped control characters other than TAB";
    const std::string number = "Error while parsing floating-point: leading zeroes are prohibited";
    const struct {
        std::string words;
        std::string line;
        TomlHint hint;
        std::string writeInstead;
    } cases[] = {
        {unknownEscape, "simulator = \"C:\\Games\\Korvex\\\"", TomlHint::FolderInSingleQuotes,
         "simulator = 'C:\\Games\\Korvex\\'"},
        {lineBreak, "  simulator = \"D:\\Sim\\\"   ", TomlHint::FolderInSingleQuotes, "simulator = 'D:\\Sim\\'"},
        {unknownEscape, "simulator = \"C:\\Bob's\\\"", TomlHint::FolderInSingleQuotes, ""},
        {number, "date = 07.02.2026", TomlHint::YearMonthDay, "date = 2026-02-07"},
        {number, "date = 7.2.2026   # the first night", TomlHint::YearMonthDay, "date = 2026-02-07"},
        {number, "date = 2026/02/07", TomlHint::YearMonthDay, "date = 2026-02-07"},
        {number, "date = 02/14/2026", TomlHint::YearMonthDay, "date = 2026-02-14"},
        {number, "date = 14.14.2026", TomlHint::None, ""},
        {number, "points = 1.2.3", TomlHint::None, ""},
        {lineBreak, "name = \"Kestrel Bay", TomlHint::ClosingQuote, "name = \"Kestrel Bay\""},
        {lineBreak, "[[round]]", TomlHint::None, ""},
    };
    for (const auto& c : cases) {
        const TomlHintFound found = tomlHintFor(c.words, c.line);
        EXPECT_EQ(found.hint, c.hint) << c.line;
        EXPECT_EQ(found.writeInstead, c.writeInstead) << c.line;
    }
    EXPECT_EQ(lineOfText("a\r\nb\nc", 2), "b");
    EXPECT_EQ(lineOfText("a\nb", 3), "");
}

}  // namespace
}  // namespace league::season
