#include "quorrin/pages/consistency.hpp"

#include "quorrin/analysis/consistency.hpp"
#include "quorrin/expected_page.hpp"
#include "quorrin/race_fixture.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::cell;
using expected::colour;
using expected::lastCell;
using expected::rowNumber;

TEST(Consistency, OnlyDriversWithEightTenthsOfTheRaceAreRankedAndTheRestArePairs) {
    // A 10-lap race: 8 laps are needed. Slot 2 has 7, slot 3 one lap, slot 4 no
    // average (its difference is the no-time value).
    RaceRecord race;
    race.startNumber = {1, 2, 3, 4, 5};
    race.driverName = {"A", "B", "C", "D", "E"};
    race.lapsDone = {10, 8, 7, 1, 10};
    race.lapTime[0][0] = 60000;
    race.lapTime[1][0] = 61000;
    LapAverages averages;
    averages.averageLap = {60500, 61300, 60100, 0, 0};
    averages.averageMinusBest = {500, 300, 100, 0, kNoTime};
    race.maxLap = 10;
    race.driverCount = 5;

    const std::string page = expected::pageBytes([&](ReportWriter& out) {
        writeConsistency(out, race, averages, computeConsistencyOrder(race, averages), fixture::coloursOf(race, 0));
    });

    const std::string one = colour("ff47ff");
    const std::string two = colour("ff4760");
    const std::string table =
        "<table border=3 cellpadding=\"1\" align=\"left\"> <caption align=\"center\"> CONSISTENCY </caption> \n "
        " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos</td>\n<td align=\"center\">#"
        " </td>\n <td align=\"center\">  driver </td>\n <td align=\"center\"> best time"
        " </td>\n <td align=\"center\"> average </td>\n<td align=\"center\"> difference"
        " </td>\n<td align=\"center\"> laps </td>\n </tr>" +
        std::string("<tr> \n") + rowNumber(1) + cell(two, "2") + cell(two, "B") + cell(two, "1:01.000") +
        cell(two, "1:01.300") + cell(two, "-0.300") + lastCell(two, "8") +
        "<tr> \n" + rowNumber(2) + cell(one, "1") + cell(one, "A") + cell(one, "1:00.000") + cell(one, "1:00.500") +
        cell(one, "-0.500") + lastCell(one, "10") +
        " </td> </tr>  </td> </tr>  </td> </tr> "
        "</border>  </table>";
    EXPECT_EQ(page, expected::crlf(table));
}

}  // namespace
}  // namespace league::quorrin
