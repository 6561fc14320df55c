#include "quorrin/graph_values_page.hpp"

#include "race_page_fragments.hpp"

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

std::string graphPageOf(const RaceRecord& race, std::int32_t colourChoice) {
    RacePageState state;
    state.colourChoice = colourChoice;
    state.listedFlag.fill(true);
    return expected::pageBytes([&](ReportWriter& page) { writeGraphValues(page, race, state); });
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

}  // namespace
}  // namespace league::quorrin
