#include "quorrin/analysis/averages.hpp"

#include "quorrin/race_fixture.hpp"
#include "quorrin/record/missing_lap_repair.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace league::quorrin {
namespace {

using fixture::raceOf;

TEST(LapAverages, AveragesOfTheLapsAfterTheStartLap) {
    RaceRecord race = raceOf({{0, 1, "Ann", {99000, 60000, 60001, 60003}},
                              {1, 2, "Bob", {70000, 65000}},
                              {2, 3, "Cleo", {80000}},
                              {3, 4, "Dan", {90000, -5000, 2000}},
                              {5, 6, "Eve", std::vector<std::int32_t>(39, 6000000)},
                              {6, 7, "Fay", {200000, 60000, 60004}}});
    // Fay's start lap was split by the repair: laps 1 and 2 are its halves.
    splitFirstLap(race, 6);
    const LapAverages averages = computeLapAverages(race);
    // (60000 + 60001 + 60003) / 3, truncated.
    EXPECT_EQ(averages.averageLap[0], 60001);
    EXPECT_EQ(averages.averageMinusBest[0], 1);
    EXPECT_EQ(averages.averageLap[1], 65000);
    EXPECT_EQ(averages.averageMinusBest[1], 0);
    EXPECT_EQ(averages.averageLap[2], 0);
    EXPECT_EQ(averages.averageMinusBest[2], 0);
    // A sum that is not above 0 is kept as it is, without a distance to the best.
    EXPECT_EQ(averages.averageLap[3], -3000);
    EXPECT_EQ(averages.averageMinusBest[3], 0);
    EXPECT_EQ(averages.averageLap[4], 0);
    // 38 laps of 100 minutes: the sum needs more than 32 bits, the average does not.
    EXPECT_EQ(averages.averageLap[5], 6000000);
    EXPECT_EQ(averages.averageMinusBest[5], 0);
    EXPECT_EQ(averages.averageLap[6], 60002);
    EXPECT_EQ(averages.averageMinusBest[6], 2);
}

}  // namespace
}  // namespace league::quorrin
