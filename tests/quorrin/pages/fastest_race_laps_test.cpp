#include "quorrin/pages/fastest_race_laps.hpp"

#include "quorrin/expected_page.hpp"
#include "quorrin/race_fixture.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::cell;
using expected::kPlain;
using expected::kRed;
using expected::lastCell;
using expected::middleRowNumber;
using expected::rowNumber;

TEST(FastestRaceLaps, EqualTimesGoToTheLowerSlotWhichGetsTheFastestLap) {
    RaceRecord race;
    race.startNumber = {1, 2};
    race.driverName = {"A", "B"};
    race.bikeName = {"K1", "K2"};
    race.lapsDone = {2, 2};
    race.lapTime[0] = {60000, 60000, 61000};
    race.lapTime[1] = {60000, 60000, 60500};
    race.bestLapNo = {1, 1};
    race.maxLap = 2;
    race.driverCount = 2;
    race.winnerSlot = 0;

    const FastestRaceLaps laps = computeFastestRaceLaps(race, 1);
    const std::string page = expected::pageBytes([&](ReportWriter& out) { writeFastestRaceLaps(out, race, laps, fixture::coloursOf(race, 99)); });

    const std::string table =
        "<table border=3 cellpadding=\"1\" align=\"left\"> "
        "<caption align=\"center\">LAP TIME COMPERATOR / FASTEST RACE LAPS </caption> \n "
        " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos"
        " </td>\n <td align=\"center\">1 </td>\n <td align=\"center\">2"
        " </td>\n<td bgcolor=\"#444444\">pos </td>\n<td align=\"center\">#"
        " </td>\n <td align=\"center\">  driver </td>\n <td align=\"center\">  bike"
        " </td>\n<td align=\"center\"> lap </td>\n <td align=\"center\"> best time"
        " </td>\n<td align=\"center\"> -first </td>\n </tr>"
        "<tr> \n" +
        rowNumber(1) + cell(kRed, "1") + cell(kPlain, "2") + middleRowNumber(1) + cell(kRed, "1") + cell(kRed, "A") +
        cell(kRed, "K1") + cell(kRed, "1/2") + cell(kRed, "1:00.000") + lastCell(kRed, "") +
        rowNumber(2) + cell(kPlain, "2") + cell(kRed, "1") + middleRowNumber(2) + cell(kPlain, "2") +
        cell(kPlain, "B") + cell(kPlain, "K2") + cell(kPlain, "1/2") + cell(kPlain, "1:00.000") +
        lastCell(kPlain, "-0.000") +
        "</border>  </table>";
    EXPECT_EQ(page, expected::crlf(table));
    EXPECT_EQ(laps.fastestLapCount[0], 1);
    EXPECT_EQ(laps.fastestLapCount[1], 1);
}

}  // namespace
}  // namespace league::quorrin
