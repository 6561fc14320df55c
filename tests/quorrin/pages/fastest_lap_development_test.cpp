#include "quorrin/pages/fastest_lap_development.hpp"

#include "quorrin/race_page_fragments.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::developmentRow;

TEST(FastestLapDevelopment, RowsForEveryStrictlyFasterRaceLapRecordAsRead) {
    RaceRecord race;
    race.driverName = {"Ann", "Bob"};
    // The repaired lap table must not matter here.
    race.lapTime[1][1] = 1000;
    race.lapRecords = {
        {0, 1, 50000},   // before the race start marker
        {0, 4, 0},       // the marker
        {0, 1, 0},       // no time
        {1, 1, 80000},   // first time: a row
        {0, 1, 80000},   // equal: no row
        {40, 2, 79000},  // outside the slot table: a row without cells, still the fastest
        {0, 2, 79500},   // slower than the record above: no row
        {-1, 3, 78000},  // negative slot: a row without cells
        {1, 3, 77000},   // a row
        {0, 4, 1000},    // beyond the record count: never read
    };
    race.firstRaceRecord = 2;
    race.recordCount = 9;

    const std::string page = expected::pageBytes(
        [&](ReportWriter& out) { writeFastestLapDevelopment(out, race, computeFastestLapDevelopment(race)); });
    const std::string table = "<div><table border=3 cellpadding=\"1\" align=\"center\"> "
                              "<caption align=\"center\"> DEVELOPMENT OF FASTEST LAP </caption> " +
                              developmentRow("1", "Bob", "1:20.000") + "<tr> \n</tr> \n" + "<tr> \n</tr> \n" +
                              developmentRow("3", "Bob", "1:17.000") + "</border> </table> \n <BR> <BR></div>";
    EXPECT_EQ(page, expected::crlf(table));
}

TEST(FastestLapDevelopment, RecordBoundsBeyondTheKeptRecordsAreIgnored) {
    RaceRecord race;
    race.driverName[0] = "Ann";
    race.lapRecords = {{0, 4, 0}, {0, 1, 90000}};
    race.firstRaceRecord = -5;
    race.recordCount = 3000;
    const std::string page = expected::pageBytes(
        [&](ReportWriter& out) { writeFastestLapDevelopment(out, race, computeFastestLapDevelopment(race)); });
    EXPECT_EQ(page, expected::crlf("<div><table border=3 cellpadding=\"1\" align=\"center\"> "
                                   "<caption align=\"center\"> DEVELOPMENT OF FASTEST LAP </caption> " +
                                   developmentRow("1", "Ann", "1:30.000") + "</border> </table> \n <BR> <BR></div>"));
}

}  // namespace
}  // namespace league::quorrin
