#include "quorrin/analysis/race_analysis.hpp"

#include "quorrin/race_fixture.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace league::quorrin {
namespace {

// Ann (#7, slot 0), Bob (#12, slot 1) and Cid (#3, slot 2, retired after two laps), with
// their elapsed times as the export gives them; Bob wins the race.
RaceRecord threeRiderRace() {
    RaceRecord race = fixture::raceOf({{0, 7, "Ann", {60000, 59000, 61000}},
                                       {1, 12, "Bob", {59500, 59800, 60000}},
                                       {2, 3, "Cid", {62000, 63000}}});
    race.raceTimeAtLap[0] = {0, 60000, 119000, 180000};
    race.raceTimeAtLap[1] = {0, 59500, 119300, 179300};
    race.raceTimeAtLap[2] = {0, 62000, 125000};
    race.winnerSlot = 1;
    return race;
}

TEST(RaceAnalysis, OrdersAndCountsOfASmallRace) {
    const RaceAnalysis analysis = analyseRace(threeRiderRace(), ExportJoin::Joined, ColourScheme::fromAnswer(0));

    ASSERT_TRUE(analysis.positionBoard);
    const PositionBoard& board = *analysis.positionBoard;
    EXPECT_EQ(board.holderAtLap[1][0], 1);
    EXPECT_EQ(board.holderAtLap[1][1], 0);
    EXPECT_EQ(board.holderAtLap[2][0], 0);
    EXPECT_EQ(board.holderAtLap[3][1], 0);
    EXPECT_EQ(board.holderAtLap[3][2], kNoSlot);
    // More laps first, then the race time; gaps only to riders on as many laps.
    EXPECT_EQ(board.finalResult[0].slot, 1);
    EXPECT_EQ(board.finalResult[0].gapToWinner, std::nullopt);
    EXPECT_EQ(board.finalResult[1].slot, 0);
    EXPECT_EQ(board.finalResult[1].gapToWinner, 700);
    EXPECT_EQ(board.finalResult[1].gapToPrevious, 700);
    EXPECT_EQ(board.finalResult[2].slot, 2);
    EXPECT_EQ(board.finalResult[2].laps, 2);
    EXPECT_EQ(board.finalResult[2].gapToPrevious, std::nullopt);

    EXPECT_EQ(analysis.fastestRaceLaps.fastestLapCount[0], 1);
    EXPECT_EQ(analysis.fastestRaceLaps.fastestLapCount[1], 2);
    EXPECT_EQ(analysis.fastestLapCountOrder[0], 1);
    EXPECT_EQ(analysis.fastestLapCountOrder[1], 0);
    EXPECT_EQ(analysis.fastestLapCountOrder[2], kNoSlot);
    EXPECT_EQ(analysis.fastestRaceLaps.bestLapOrder[0], 0);
    EXPECT_EQ(analysis.fastestRaceLaps.gapToFastest[1], 500);

    // Ann and Cid lie equally far above their best laps: the lower slot comes first.
    EXPECT_EQ(analysis.consistencyOrder[0], 1);
    EXPECT_EQ(analysis.consistencyOrder[1], 0);
    EXPECT_EQ(analysis.consistencyOrder[2], 2);

    ASSERT_TRUE(analysis.graphValues);
    const GraphValues& graph = *analysis.graphValues;
    EXPECT_EQ(graph.rowSlot[0], 1);
    EXPECT_EQ(graph.rowSlot[1], 0);
    EXPECT_EQ(graph.position[1][3], 2);
    EXPECT_EQ(graph.position[2][3], 0);
    // Ann after lap 1 against Bob's average pace: 60000 - 179300 / 3.
    EXPECT_EQ(graph.difference[1][1], 234);
    EXPECT_EQ(graph.difference[2][3], std::nullopt);
}

TEST(RaceAnalysis, WithoutTheExportTheLapTablesStartAtLapTwoAndNothingNeedsIt) {
    const RaceAnalysis analysis =
        analyseRace(threeRiderRace(), ExportJoin::NotThisRace, ColourScheme::fromAnswer(0));
    EXPECT_EQ(analysis.firstShownLap, 2);
    EXPECT_FALSE(analysis.positionBoard);
    EXPECT_FALSE(analysis.graphValues);
    EXPECT_FALSE(analysis.raceChart);
    // Lap 1 counts for nobody: Ann has lap 2, Bob lap 3.
    EXPECT_EQ(analysis.fastestRaceLaps.fastestLapCount[0], 1);
    EXPECT_EQ(analysis.fastestRaceLaps.fastestLapCount[1], 1);
}

}  // namespace
}  // namespace league::quorrin
