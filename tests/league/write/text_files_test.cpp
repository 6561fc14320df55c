// The CSV files and forum texts, as a spreadsheet and a forum read them, and the
// aligned columns of the texts that show no table markup.

#include "league/write/csv_text.hpp"
#include "league/write/forum_code_text.hpp"
#include "league/write/forum_text.hpp"
#include "league/write/text_columns.hpp"
#include "league/write/text_tables.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

// A table of plain texts: the heads, then the rows.
Table tableOf(std::string caption, const std::vector<std::string>& heads,
              const std::vector<std::vector<std::string>>& rows) {
    Table table{std::move(caption), {}, {}};
    for (const std::string& head : heads) {
        table.columns.push_back({head});
    }
    for (const std::vector<std::string>& texts : rows) {
        table.rows.emplace_back();
        for (const std::string& text : texts) {
            table.rows.back().cells.push_back({text});
        }
    }
    return table;
}

TEST(TextFiles, CsvWithByteOrderMarkQuotingAndForumTextsWithTitleTablesAndNotes) {
    const Table table = tableOf(
        "", {"Rider", "Reason"},
        {{"Ann", "plain"}, {"Tom & Jerry", "late, twice"}, {"Bob", "said \"no\""}, {"Cy", "a\r\nb"}});
    EXPECT_EQ(csvText(table), "\xEF\xBB\xBF" "Rider,Reason\r\nAnn,plain\r\nTom & Jerry,\"late, twice\"\r\n"
                              "Bob,\"said \"\"no\"\"\"\r\nCy,\"a\r\nb\"\r\n");
    const PostContent post{{"Cup - round 1", "Pole: #7 Ann"},
                           {tableOf("", {"Pos", "Rider"}, {{"1", "Ann"}}), tableOf("Grid 2 - 1 rider", {"Pos"}, {{"2"}})},
                           {{"Penalties:", {"Ann (race_a): +5 s: late"}}}};
    EXPECT_EQ(forumText(post),
              "Cup - round 1\r\nPole: #7 Ann\r\n\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [td][b]Rider[/b][/td] [/tr]\r\n"
              "[tr][td]1[/td] [td]Ann[/td] [/tr]\r\n[/table]\r\n"
              "\r\nGrid 2 - 1 rider\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [/tr]\r\n[tr][td]2[/td] [/tr]\r\n[/table]\r\n"
              "\r\n[b]Penalties:[/b]\r\nAnn (race_a): +5 s: late\r\n");
    EXPECT_EQ(forumCodeText(post),
              "Cup - round 1\r\nPole: #7 Ann\r\n\r\n[code]\r\nPos  Rider\r\n---  -----\r\n  1    Ann\r\n"
              "\r\nGrid 2 - 1 rider\r\nPos\r\n---\r\n  2\r\n[/code]\r\n"
              "\r\n[b]Penalties:[/b]\r\nAnn (race_a): +5 s: late\r\n");
}

// The columns of a text without table markup: counted in characters (an accented
// letter is one, a zero-width space none), names and reasons aligned left and cut with
// "…" past the cut width, every other column aligned right, no blank at a line's end.
TEST(TextFiles, ColumnsAlignedByCharactersWithLongNamesCut) {
    const std::string longName = "Maximilian von Oberhausen-Steinbach";
    Table table = tableOf("", {"Pos", "Rider", "Bike", "Total"},
                          {{"1", "J\u00F6rg M\u00FCller", "Vexa", "100"},
                           {"12=", longName, "K", "9"},
                           {"3", "@\u200Bann", "", ""}});
    table.columns[1].look = ColumnLook::Name;
    table.columns[2].look = ColumnLook::Name;
    const ColumnLines lines = columnLines(table);
    const std::string cut = cutToWidth(longName, kCutWidth);
    EXPECT_EQ(textWidth(cut), kCutWidth);
    EXPECT_EQ(cut, longName.substr(0, kCutWidth - 1) + "\u2026");
    const std::string riderColumn(kCutWidth, ' ');
    const std::vector<std::string> expected{
        "  1  J\u00F6rg M\u00FCller" + riderColumn.substr(11) + "  Vexa    100",
        "12=  " + cut + "  K         9",
        "  3  @\u200Bann",
    };
    EXPECT_EQ(lines.rows, expected);
    EXPECT_EQ(lines.head, "Pos  Rider" + riderColumn.substr(5) + "  Bike  Total");
    EXPECT_EQ(lines.rule, "---  " + std::string(kCutWidth, '-') + "  ----  -----");
}

// A field divided into grids: each grid's table, then the riders without a place, so
// that the forum text shows every rider.
TEST(TextFiles, GridTablesHoldEveryRiderOfTheQualifying) {
    QualifyingGrids grids;
    grids.gridSize = 2;
    grids.gridPlaces = {2};
    grids.rows.resize(3);
    for (std::int32_t r = 0; r < 3; ++r) {
        grids.rows[static_cast<std::size_t>(r)].startNumber = r + 1;
    }
    grids.rows[0].position = 1;
    grids.rows[0].grid = 1;
    grids.rows[1].position = 2;
    grids.rows[1].grid = 1;

    std::vector<std::pair<std::string, std::vector<std::string>>> shown;  // caption, start numbers
    for (const Table& table : gridTables(grids, qualifyingTable(grids, false))) {
        shown.emplace_back(table.caption, std::vector<std::string>{});
        for (const TableRow& row : table.rows) {
            shown.back().second.push_back(row.cells[1].text);
        }
    }
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::vector<std::string>>>{
                         {"Grid 1 - 2 riders", {"1", "2"}}, {"Without a place", {"3"}}}));
}

}  // namespace
}  // namespace league::season
