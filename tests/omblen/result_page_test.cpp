#include "omblen/result_page.hpp"

#include "ranked_entries.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league::omblen {
namespace {

using expected::kGreyCell;
using expected::kPlainCell;
using expected::positionCell;

// Every entry from export 1; 150.04 km/h shows as "150.0 km/h".
QualifyingTable tableOf(const std::vector<std::int32_t>& bestLaps) {
    return expected::tableOf(bestLaps, 150.04, 1);
}

std::string resultPageOf(const QualifyingTable& table, bool gridsDivided = false) {
    return testing::pageBytes(
        [&](ReportWriter& page) { writeResultPage(page, table, rankByBestLap(table), gridsDivided); });
}

// The row of the entry with start number `number` (as tableOf names it).
std::string entryRow(int position, int number, const std::string& time, const std::string& gapFirst,
                     const std::string& gapBefore, bool grey) {
    return expected::entryRow(position, number, time, gapFirst, gapBefore, grey ? kGreyCell : kPlainCell,
                              "<td align=\"center\" bgcolor=\"#DDDD00\">G1</td> ");
}

// The rows between the header row and the closing pieces.
std::string rowsOf(const std::string& page) {
    const std::string bodyStart = " </tr><tr> \r\n";
    const std::size_t start = page.find(bodyStart);
    const std::size_t end = page.rfind("</border> ");
    EXPECT_NE(start, std::string::npos);
    EXPECT_NE(end, std::string::npos);
    return page.substr(start + bodyStart.size(), end - start - bodyStart.size());
}

TEST(ResultPage, RowsAboveOneHundredSevenPercentOfTheBestAreGrey) {
    // 107 % of 1:30.000 is 1:36.300.
    const QualifyingTable table = tableOf({96301, 90000, 96300});
    EXPECT_EQ(rowsOf(resultPageOf(table)), entryRow(1, 2, "1:30.000", "", "", false) +
                                               entryRow(2, 3, "1:36.300", "-6.300", "-6.300", false) +
                                               entryRow(3, 1, "1:36.301", "-6.301", "-0.001", true));
}

TEST(ResultPage, GapsAreEmptyForTheBestTimeOnlyAndZeroBehindAnEqualTime) {
    const struct {
        std::vector<std::int32_t> bestLaps;
        std::string rows;
    } cases[] = {
        {{90000}, entryRow(1, 1, "1:30.000", "", "", false)},
        {{90000, 90000}, entryRow(1, 1, "1:30.000", "", "", false) + entryRow(2, 2, "1:30.000", "", "", false)},
        {{91000, 90000, 91000},
         entryRow(1, 2, "1:30.000", "", "", false) + entryRow(2, 1, "1:31.000", "-1.000", "-1.000", false) +
             entryRow(3, 3, "1:31.000", "-1.000", "-0.000", false)},
    };
    for (const auto& c : cases) {
        const QualifyingTable table = tableOf(c.bestLaps);
        EXPECT_EQ(rowsOf(resultPageOf(table)), c.rows) << ::testing::PrintToString(c.bestLaps);
    }
}

TEST(ResultPage, EntriesWithoutATimeLeaveTheirPositionsEmpty) {
    const QualifyingTable table = tableOf({10000000, 95000, 12000000});
    EXPECT_EQ(rowsOf(resultPageOf(table)), entryRow(1, 2, "1:35.000", "", "", false) + positionCell(2) +
                                               " </tr> " + positionCell(3) + " </tr> ");
}

TEST(ResultPage, ANegativeBestTimeFromAnOddExportShowsGapsAheadOfTheFirstEntry) {
    // The best time (-0.500) is never placed; the first row's gap "to the previous" is to
    // entry 0, which is slower, and so reads as ahead of it.
    const QualifyingTable table = tableOf({95000, 90000, -500});
    EXPECT_EQ(rowsOf(resultPageOf(table)), entryRow(1, 2, "1:30.000", "-1:30.500", "+5.000", true) +
                                               entryRow(2, 1, "1:35.000", "-1:35.500", "-5.000", true) +
                                               positionCell(3) + " </tr> ");
}

TEST(ResultPage, EndsWithOneMoreBodyEndWhenTheGridsAreDivided) {
    const QualifyingTable table = tableOf({90000});
    EXPECT_EQ(resultPageOf(table, true), resultPageOf(table, false) + "</body> \r\n");
}

}  // namespace
}  // namespace league::omblen
