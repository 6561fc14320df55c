// The CSV files and forum texts, as a spreadsheet and a forum read them.

#include "league/write/csv_text.hpp"
#include "league/write/forum_text.hpp"
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

TEST(TextFiles, CsvWithByteOrderMarkQuotingAndForumTableWithTitle) {
    const Table table = tableOf(
        "", {"Rider", "Reason"},
        {{"Ann", "plain"}, {"Tom & Jerry", "late, twice"}, {"Bob", "said \"no\""}, {"Cy", "a\r\nb"}});
    EXPECT_EQ(csvText(table), "\xEF\xBB\xBF" "Rider,Reason\r\nAnn,plain\r\nTom & Jerry,\"late, twice\"\r\n"
                              "Bob,\"said \"\"no\"\"\"\r\nCy,\"a\r\nb\"\r\n");
    EXPECT_EQ(forumText("Cup - round 1", {tableOf("", {"Pos", "Rider"}, {{"1", "Ann"}}),
                                          tableOf("Grid 2 - 1 rider", {"Pos"}, {{"2"}})}),
              "Cup - round 1\r\n\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [td][b]Rider[/b][/td] [/tr]\r\n"
              "[tr][td]1[/td] [td]Ann[/td] [/tr]\r\n[/table]\r\n"
              "\r\nGrid 2 - 1 rider\r\n[table]\r\n[tr][td][b]Pos[/b][/td] [/tr]\r\n[tr][td]2[/td] [/tr]\r\n[/table]\r\n");
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
