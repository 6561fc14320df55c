#include "quorrin/record/lap_table.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace league::quorrin {
namespace {

RaceRecord raceOf(const std::vector<LapRecord>& raceLaps) {
    RaceRecord race;
    // Record 0 stands for the race start marker.
    race.lapRecords.push_back(LapRecord{0, 4, 0});
    race.lapRecords.insert(race.lapRecords.end(), raceLaps.begin(), raceLaps.end());
    race.recordCount = static_cast<std::int32_t>(race.lapRecords.size());
    race.firstRaceRecord = 1;
    return race;
}

TEST(LapTable, TimesBestLapsWinnerAndDriverCount) {
    RaceRecord race = raceOf({
        {5, 1, 95000}, {2, 1, 94000},
        {5, 2, 90000}, {2, 2, 91000},
        {2, 3, 90500}, {5, 3, 90000},  // slot 2 reaches lap 3 first; slot 5 ties its best
        {9, 1, 99000},
    });
    buildLapTable(race);

    EXPECT_EQ(race.maxLap, 3);
    EXPECT_EQ(race.winnerSlot, 2);
    EXPECT_EQ(race.driverCount, 3);
    EXPECT_EQ(race.lapsDone[5], 3);
    EXPECT_EQ(race.lapsDone[9], 1);
    EXPECT_EQ(race.lapsDone[0], 0);
    const LapColumns& slot5 = race.lapTime[5];
    EXPECT_EQ(slot5[1], 95000);
    EXPECT_EQ(slot5[2], 90000);
    EXPECT_EQ(slot5[3], 90000);
    // Equal times keep the earlier lap.
    EXPECT_EQ(slot5[0], 90000);
    EXPECT_EQ(race.bestLapNo[5], 2);
    EXPECT_EQ(race.lapTime[2][0], 90500);
    EXPECT_EQ(race.bestLapNo[2], 3);
    // Slots without laps keep "no time" and empty lap columns.
    EXPECT_EQ(race.lapTime[0][0], kNoTime);
    EXPECT_EQ(race.lapTime[0][1], 0);
}

TEST(LapTable, LapCountIsTheLapNumberOfTheLastRecord) {
    RaceRecord race = raceOf({{4, 1, 95000}, {4, 2, 92000}, {4, 3, 93000}, {4, 2, 91000}});
    buildLapTable(race);
    EXPECT_EQ(race.lapsDone[4], 2);
    EXPECT_EQ(race.lapTime[4][2], 91000);
    EXPECT_EQ(race.lapTime[4][3], 93000);
    EXPECT_EQ(race.maxLap, 3);
    EXPECT_EQ(race.bestLapNo[4], 2);
}

TEST(LapTable, RecordsOutsideTheTableChangeNothing) {
    const LapRecord outside[] = {{-1, 5, 1000}, {33, 5, 1000}, {3, 0, 1000}, {3, 40, 1000}, {3, -2, 1000}};
    for (const LapRecord& stray : outside) {
        RaceRecord race = raceOf({{3, 1, 95000}, stray, {3, 2, 92000}});
        buildLapTable(race);
        EXPECT_EQ(race.maxLap, 2) << stray.slot << "/" << stray.lapNumber;
        EXPECT_EQ(race.winnerSlot, 3) << stray.slot << "/" << stray.lapNumber;
        EXPECT_EQ(race.lapsDone[3], 2) << stray.slot << "/" << stray.lapNumber;
        EXPECT_EQ(race.lapTime[3][0], 92000) << stray.slot << "/" << stray.lapNumber;
        EXPECT_EQ(race.driverCount, 1) << stray.slot << "/" << stray.lapNumber;
        // The record itself stays in the list, for the development of the fastest lap.
        EXPECT_EQ(race.lapRecords[2].slot, stray.slot);
        EXPECT_EQ(race.lapRecords[2].lapNumber, stray.lapNumber);
    }
}

}  // namespace
}  // namespace league::quorrin
