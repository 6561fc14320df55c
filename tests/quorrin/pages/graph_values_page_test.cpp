#include "quorrin/pages/graph_values_page.hpp"

#include "quorrin/race_fixture.hpp"
#include "quorrin/race_page_fragments.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::cell;
using expected::kPlain;
using expected::kRed;

TEST(GraphValues, GapTextsAreSignedSecondsWithoutMinutes) {
    const struct {
        std::int64_t difference;
        const char* text;
    } cases[] = {
        {12345, "12.345"}, {5, "0.005"},     {0, "0.000"},         {-500, "-0.500"},
        {-12345, "-12.345"}, {61000, "61.000"}, {-1, "-0.001"},   {-999, "-0.999"},
        {-1000, "-1.000"},   {-1050, "-1.050"}, {3000000000, "3000000.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(graphGapText(c.difference), c.text) << c.difference;
    }
}

std::string graphPageOf(const RaceRecord& race, std::int32_t colourAnswer) {
    return expected::pageBytes([&](ReportWriter& page) {
        writeGraphValuesPage(page, race, computeGraphValues(race), fixture::coloursOf(race, colourAnswer));
    });
}

std::string pageWith(int maxLap, const std::string& positionRows, const std::string& differenceRows) {
    return expected::crlf(expected::graphPage(maxLap, positionRows, differenceRows));
}

TEST(GraphValues, EqualTimesShareTheLargerPositionAndNoWinnerPaceMeansNoDifferences) {
    RaceRecord race;
    race.startNumber = {1, 2, 3};
    race.driverName = {"A", "B", "C"};
    race.lapsDone = {2, 2, 2};
    race.raceTimeAtLap[0] = {0, 100000, 200000};
    race.raceTimeAtLap[1] = {0, 100000, 199000};
    race.maxLap = 2;
    race.driverCount = 3;

    const std::string positions = " <tr>" + cell(kPlain, "1") + cell(kPlain, "A") + expected::rowNumber(1) +
                                  cell(kPlain, "2") + cell(kPlain, "2") + " </tr>" +
                                  " <tr>" + cell(kPlain, "2") + cell(kPlain, "B") + expected::rowNumber(2) +
                                  cell(kPlain, "2") + cell(kPlain, "1") + " </tr>" + " <tr> </tr>";
    const std::string differences = " <tr>" + cell(kPlain, "1") + cell(kPlain, "A") + cell(kPlain, "") +
                                    cell(kPlain, "") + " </tr>" + " <tr>" + cell(kPlain, "2") + cell(kPlain, "B") +
                                    cell(kPlain, "") + cell(kPlain, "") + " </tr>" + " <tr> </tr>";
    // No winner, or a winner (slot 5, no row of his own) without laps: no pace to compare with.
    for (const std::int32_t winnerSlot : {kNoSlot, 5}) {
        race.winnerSlot = winnerSlot;
        EXPECT_EQ(graphPageOf(race, 99), pageWith(2, positions, differences)) << winnerSlot;
    }
}

TEST(GraphValues, WinnerPaceTimesLapIsComputedWithoutOverflow) {
    // The winner's race time × lap leaves the 32-bit range; a difference of 1000 s or
    // more ahead of the pace is left out.
    RaceRecord race;
    race.startNumber[0] = 5;
    race.driverName[0] = "W";
    race.lapsDone[0] = 2;
    race.raceTimeAtLap[0] = {0, 50000000, 2100000000};
    race.maxLap = 2;
    race.driverCount = 1;
    race.winnerSlot = 0;

    const std::string positions =
        " <tr>" + cell(kRed, "5") + cell(kRed, "W") + expected::rowNumber(1) + cell(kRed, "1") + cell(kRed, "1") +
        " </tr>";
    const std::string differences =
        " <tr>" + cell(kRed, "5") + cell(kRed, "W") + cell(kRed, "") + cell(kRed, "0.000") + " </tr>";
    EXPECT_EQ(graphPageOf(race, 99), pageWith(2, positions, differences));
}

TEST(GraphValues, BoundsOfTheRowOrderAndOfTheShownDifferences) {
    // W (slot 0) wins in 2000 s after one lap. X's elapsed time decides whether X has a
    // row (below 100000000) and whether X's difference to W's pace is shown (above
    // -1000000).
    const std::string wFirst = expected::graphRow(kRed, "1", "W", 1, {"1"});
    const std::string xFirst = expected::graphRow(kPlain, "2", "X", 1, {"1"});
    const std::string wSecond = expected::graphRow(kRed, "1", "W", 2, {"2"});
    const std::string xSecond = expected::graphRow(kPlain, "2", "X", 2, {"2"});
    const std::string wGap = expected::graphRow(kRed, "1", "W", 0, {"0.000"});
    const struct {
        std::int32_t elapsed;
        std::string positionRows;
        std::string differenceRows;
    } cases[] = {
        {1000000, xFirst + wSecond, expected::graphRow(kPlain, "2", "X", 0, {""}) + wGap},
        {1000001, xFirst + wSecond, expected::graphRow(kPlain, "2", "X", 0, {"-999.999"}) + wGap},
        {99999999, wFirst + xSecond, wGap + expected::graphRow(kPlain, "2", "X", 0, {"97999.999"})},
        {100000000, wFirst + " <tr> </tr>", wGap + " <tr> </tr>"},
    };
    for (const auto& c : cases) {
        RaceRecord race;
        race.startNumber = {1, 2};
        race.driverName = {"W", "X"};
        race.lapsDone = {1, 1};
        race.raceTimeAtLap[0][1] = 2000000;
        race.raceTimeAtLap[1][1] = c.elapsed;
        race.maxLap = 1;
        race.driverCount = 2;
        race.winnerSlot = 0;
        EXPECT_EQ(graphPageOf(race, 99), pageWith(1, c.positionRows, c.differenceRows)) << c.elapsed;
    }
}

}  // namespace
}  // namespace league::quorrin
