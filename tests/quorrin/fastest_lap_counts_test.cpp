#include "quorrin/fastest_lap_counts.hpp"

#include "expected_page.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(FastestLapCounts, OneRowPerDriverWithFastestLapsMostFirst) {
    RaceRecord race;
    race.driverName = {"Ann", "Bob", "Cid", "Dan"};
    RacePageState state;
    state.fastestLapCount = {1, 4, 0, 1};
    state.listedFlag.fill(true);
    const std::string page = expected::pageBytes([&](ReportWriter& out) { writeFastestLapCounts(out, race, state); });
    EXPECT_EQ(page, expected::crlf("<div><table border=3 cellpadding=\"1\" align=\"center\"> "
                                   "<caption align=\"center\"> NUMBER OF FASTEST LAPS </caption> "
                                   "<tr> \n<td> \n4 * Bob</td> \n</tr> \n"
                                   "<tr> \n<td> \n1 * Ann</td> \n</tr> \n"
                                   "<tr> \n<td> \n1 * Dan</td> \n</tr> \n"
                                   "</border> </table> \n </div><br clear=\"all\">  <BR> <BR> "));
}

}  // namespace
}  // namespace league::quorrin
