#include "omblen/forum_table.hpp"
#include "omblen/grid_page.hpp"

#include "ranked_entries.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league::omblen {
namespace {

using expected::positionCell;

// Every entry from export 2.
QualifyingTable tableOf(const std::vector<std::int32_t>& bestLaps) {
    return expected::tableOf(bestLaps, 150.0, 2);
}

struct Written {
    std::string gridPage;
    std::string forumText;
};

Written gridsOf(const QualifyingTable& table, std::int32_t maxDriversInGrid) {
    const std::vector<int> ranking = rankByBestLap(table);
    const GridPlan plan = planGrids(table.entryCount, maxDriversInGrid);
    return {testing::pageBytes([&](ReportWriter& page) { writeGridPage(page, table, ranking, plan); }),
            testing::pageBytes([&](ReportWriter& text) { writeForumText(text, table, ranking, plan); })};
}

// No row of a grid is grey.
std::string gridRow(int position, int number, const std::string& time, const std::string& gapFirst,
                    const std::string& gapBefore) {
    return expected::entryRow(position, number, time, gapFirst, gapBefore, expected::kPlainCell,
                              "<td align=\"center\" bgcolor=\"#0033FF\">G2</td> ");
}

std::string forumRow(int position, int number, const std::string& time) {
    return "[tr][td]" + std::to_string(position) + "[/td] [td]" + std::to_string(number) + " [/td] [td]Rider " +
           std::to_string(number) + " [/td] [td]Bike [/td] [td]" + time + " [/td]  [/tr] \r\n";
}

const std::string kHeaderRow =
    " <tr bgcolor=\"#00FF00\"> <td align=\"center\" bgcolor=\"#00FF00\">pos</td>\r\n"
    "<td align=\"center\"># </td>\r\n<td > driver </td>\r\n <td align=\"center\">  bike </td>\r\n"
    " <td align=\"center\"> time </td>\r\n <td align=\"center\"> -first </td>\r\n"
    "<td align=\"center\"> -before </td>\r\n<td align=\"center\"> lap </td>\r\n"
    "<td align=\"center\"> speed </td>\r\n<td align=\"center\"> grid </td>\r\n </tr><tr> \r\n";

std::string gridOpening(int grid, int size) {
    return "<div> <table border=3 cellpadding=\"1\" align=\"left\"> <caption align=\"center\">GRID  " +
           std::to_string(grid) + " - " + std::to_string(size) + " DRIVERS</caption> \r\n " + kHeaderRow;
}

const std::string kGridPageHead = "<html> \r\n<head><title>Omblen table</title></head> \r\n<BR> \r\n<body> \r\n";
const std::string kGridPageEnd = "</border>  </table> </div><br clear=\"all\">  <BR></body> \r\n";

TEST(GridPage, NumbersPositionsOnAndCarriesTheGapAcrossGridsWithoutGreyRows) {
    // Five entries, at most two per grid: grids of 2, 2 and 1. Rider 4 is more than
    // 7 % behind the best, but starts in a grid like every other driver.
    const QualifyingTable table = tableOf({90000, 91000, 92500, 99000, 93000});

    const Written written = gridsOf(table, 2);

    EXPECT_EQ(written.gridPage,
              kGridPageHead + gridOpening(1, 2) + gridRow(1, 1, "1:30.000", "", "") +
                  gridRow(2, 2, "1:31.000", "-1.000", "-1.000") + gridOpening(2, 2) +
                  gridRow(3, 3, "1:32.500", "-2.500", "-1.500") + gridRow(4, 5, "1:33.000", "-3.000", "-0.500") +
                  gridOpening(3, 1) + gridRow(5, 4, "1:39.000", "-9.000", "-6.000") + kGridPageEnd);
    EXPECT_EQ(written.forumText, "GRID  1 - 2 DRIVERS\r\n [table]" + forumRow(1, 1, "1:30.000") +
                                     forumRow(2, 2, "1:31.000") + " [/table] [br] \r\n" +
                                     "GRID  2 - 2 DRIVERS\r\n [table]" + forumRow(3, 3, "1:32.500") +
                                     forumRow(4, 5, "1:33.000") + " [/table] [br] \r\n" +
                                     "GRID  3 - 1 DRIVERS\r\n [table]" + forumRow(5, 4, "1:39.000") +
                                     " [/table] [br] \r\n[br]");
}

TEST(GridPage, EntriesWithoutATimeLeaveTheLastPositionsEmptyInBothFiles) {
    const QualifyingTable table = tableOf({10000000, 95000});

    const Written written = gridsOf(table, 5);

    EXPECT_EQ(written.gridPage, kGridPageHead + gridOpening(1, 2) + gridRow(1, 2, "1:35.000", "", "") +
                                    positionCell(2) + " </tr> " + kGridPageEnd);
    EXPECT_EQ(written.forumText, "GRID  1 - 2 DRIVERS\r\n [table]" + forumRow(1, 2, "1:35.000") +
                                     "[tr][td]2[/td]  [/tr] \r\n [/table] [br] \r\n[br]");
}

}  // namespace
}  // namespace league::omblen
