#include "quorrin/pages/all_lap_times.hpp"

#include "quorrin/expected_page.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(AllLapTimes, ShadingOfLapCells) {
    const struct {
        std::int32_t lap;
        std::int32_t best;
        const char* cell;
    } cases[] = {
        // The worked cells for a best lap of 90000.
        {90000, 90000, "<td bgcolor=\"#FF5f5f\"> 1:30.000</td> \n"},
        {91000, 90000, "<td bgcolor=\"#FFcece\"> 1:31.000</td> \n"},
        {91400, 90000, "<td bgcolor=\"#FFfafa\"bgcolor=\"#fefeFF\"> 1:31.400</td> \n"},
        {95000, 90000, "<td bgcolor=\"#b3b3FF\"> 1:35.000</td> \n"},
        {105000, 90000, "<td bgcolor=\"#0000FF\"> 1:45.000</td> \n"},
        // The limits: red only below 255, blue up to 255.
        {91440, 90000, "<td bgcolor=\"#fdfdFF\"> 1:31.440</td> \n"},
        {91370, 90000, "<td bgcolor=\"#FFf7f7\"bgcolor=\"#ffffFF\"> 1:31.370</td> \n"},
        {91300, 90000, "<td bgcolor=\"#FFefef\"> 1:31.300</td> \n"},
        // A half of a split lap, below the best: as red as it gets.
        {87500, 90000, "<td bgcolor=\"#FF0000\"> 1:27.500</td> \n"},
        // Laps above 214.748 s, where lap × 10000 needs more than 32 bits.
        {240000, 240000, "<td bgcolor=\"#FF5f5f\"> 4:00.000</td> \n"},
        {243000, 240000, "<td bgcolor=\"#FFdcdc\"> 4:03.000</td> \n"},
        {280000, 240000, "<td bgcolor=\"#0000FF\"> 4:40.000</td> \n"},
        // No shade without a time to compare.
        {0, 90000, "<td > 0.000</td> \n"},
        {91000, 0, "<td > 1:31.000</td> \n"},
        {-5, 90000, "<td > -0.005</td> \n"},
        {91000, -1, "<td > 1:31.000</td> \n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expected::pageBytes(
                      [&](ReportWriter& page) { writeShadedLapCell(page, c.lap, lapShade(c.lap, c.best)); }),
                  expected::crlf(c.cell))
            << c.lap << " against " << c.best;
    }
}

TEST(AllLapTimes, ColumnsByStartNumberOnlyForDriversWithLapsToCompare) {
    // Slots 4 and 5 share number 7 (lower slot first); 12 retired after lap 2; number 0,
    // number 1000 and a driver with one lap get no column.
    RaceRecord race;
    race.startNumber = {0, 1000, 12, 4, 7, 7};
    race.lapsDone = {3, 3, 2, 1, 3, 3};
    const std::int32_t times[] = {50000, 51000, 63000, 64000, 61000, 62000};
    for (std::int32_t slot = 0; slot < 6; ++slot) {
        race.lapTime[slot].fill(times[slot]);
        for (std::int32_t lap = race.lapsDone[slot] + 1; lap < kLapColumns; ++lap) {
            race.lapTime[slot][lap] = 0;
        }
    }
    race.maxLap = 3;
    race.driverCount = 6;

    const std::string page =
        expected::pageBytes([&](ReportWriter& out) { writeAllLapTimes(out, race, computeLapChart(race, 1)); });
    const std::string red = "<td bgcolor=\"#FF5f5f\"> ";
    std::string table =
        "<div> <table border=3 cellpadding=\"1\" align=\"left\"> "
        "<caption align=\"center\">ALL LAPTIMES OF ALL DRIVERS </caption> \n "
        " <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">lap"
        "<td align=\"center\"> \n# 7</td> \n<td align=\"center\"> \n# 7</td> \n<td align=\"center\"> \n# 12</td> \n"
        "</tr> \n";
    for (int lap = 1; lap <= 3; ++lap) {
        table += "<tr> \n" + expected::rowNumber(lap) + red + "1:01.000</td> \n" + red + "1:02.000</td> \n";
        table += lap <= 2 ? red + "1:03.000</td> \n" : "<td> </td> \n";
        table += "</tr> \n";
    }
    table += "</border> </table> \n </div><br clear=\"all\"> ";
    EXPECT_EQ(page, expected::crlf(table));
}

}  // namespace
}  // namespace league::quorrin
