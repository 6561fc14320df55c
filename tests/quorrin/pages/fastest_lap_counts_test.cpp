#include "quorrin/pages/fastest_lap_counts.hpp"

#include "quorrin/expected_page.hpp"

#include <gtest/gtest.h>

#include <array>

namespace league::quorrin {
namespace {

TEST(FastestLapCounts, OneRowPerDriverWithFastestLapsMostFirst) {
    RaceRecord race;
    race.driverName = {"Ann", "Bob", "Cid", "Dan"};
    const std::array<std::int32_t, kSlotCount> counts = {1, 4, 0, 1};
    const std::string page = expected::pageBytes(
        [&](ReportWriter& out) { writeFastestLapCounts(out, race, computeFastestLapCountOrder(counts), counts); });
    EXPECT_EQ(page, expected::crlf("<div><table border=3 cellpadding=\"1\" align=\"center\"> "
                                   "<caption align=\"center\"> NUMBER OF FASTEST LAPS </caption> "
                                   "<tr> \n<td> \n4 * Bob</td> \n</tr> \n"
                                   "<tr> \n<td> \n1 * Ann</td> \n</tr> \n"
                                   "<tr> \n<td> \n1 * Dan</td> \n</tr> \n"
                                   "</border> </table> \n </div><br clear=\"all\">  <BR> <BR> "));
}

}  // namespace
}  // namespace league::quorrin
