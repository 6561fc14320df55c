#include "quorrin/analysis/race_chart.hpp"

#include "quorrin/race_fixture.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace league::quorrin {
namespace {

// Ann (#7, slot 0), Bob (#12, slot 1) and Cid (#3, slot 2, retired after two laps).
// Bob and Cid end lap 1 at the same time, Ann and Cid lap 2; Bob wins.
RaceRecord raceWithTies() {
    RaceRecord race = fixture::raceOf({{0, 7, "Ann", {61000, 60000, 60000}},
                                       {1, 12, "Bob", {60000, 60500, 59500}},
                                       {2, 3, "Cid", {60000, 61000}}});
    race.raceTimeAtLap[0] = {0, 61000, 121000, 181000};
    race.raceTimeAtLap[1] = {0, 60000, 120500, 180000};
    race.raceTimeAtLap[2] = {0, 60000, 121000};
    race.winnerSlot = 1;
    return race;
}

TEST(RaceChart, PositionsAreTheRaceTablesOrderWithTiesBrokenAndNoPositionSharedOrEmpty) {
    const RaceRecord race = raceWithTies();
    const RaceChart chart = computeRaceChart(race, computePositionBoard(race), computeGraphValues(race),
                                             fixture::coloursOf(race, 7));
    // The lines in the order of the graph values rows: by the time after lap 1, the
    // tie to the lower slot.
    const struct {
        std::int32_t startNumber;
        std::vector<std::int32_t> positions;
        std::int32_t finalPosition;
        PaletteColour colour;
        bool thick;
    } riders[] = {
        {12, {1, 1, 1}, 1, {255, 0, 0}, true},
        // Tied with Bob after lap 1 and with Ann after lap 2: behind both, as the
        // position board has him.
        {3, {2, 3, 0}, 3, kColourPalette[3], false},
        {7, {3, 2, 2}, 2, {255, 255, 0}, true},
    };
    ASSERT_EQ(chart.riders.size(), std::size(riders));
    for (std::size_t index = 0; index < chart.riders.size(); ++index) {
        const ChartRider& rider = chart.riders[index];
        EXPECT_EQ(rider.startNumber, riders[index].startNumber);
        EXPECT_EQ(rider.positionAtLap, riders[index].positions) << rider.startNumber;
        EXPECT_EQ(rider.finalPosition, riders[index].finalPosition) << rider.startNumber;
        EXPECT_EQ(rider.colour, riders[index].colour) << rider.startNumber;
        EXPECT_EQ(rider.thickLine, riders[index].thick) << rider.startNumber;
    }
    EXPECT_EQ(chart.resultOrder, (std::vector<std::size_t>{0, 2, 1}));
}

}  // namespace
}  // namespace league::quorrin
