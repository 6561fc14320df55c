#include "quorrin/pages/position_board.hpp"

#include "quorrin/race_fixture.hpp"
#include "quorrin/race_page_fragments.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using expected::boardOpen;
using expected::cell;
using expected::kBoardEnd;
using expected::kPlain;
using expected::kRed;
using expected::kYellow;
using expected::lastCell;
using expected::middleRowNumber;
using expected::rowNumber;

std::string boardOf(const RaceRecord& race, std::int32_t colourAnswer) {
    return expected::pageBytes([&](ReportWriter& page) {
        writePositionBoard(page, race, computePositionBoard(race), fixture::coloursOf(race, colourAnswer));
    });
}

void addDriver(RaceRecord& race, std::int32_t slot, std::int32_t startNumber, const std::string& name,
               const std::string& bike, std::initializer_list<std::int32_t> elapsed) {
    race.startNumber[slot] = startNumber;
    race.driverName[slot] = name;
    race.bikeName[slot] = bike;
    std::int32_t lap = 0;
    for (const std::int32_t time : elapsed) {
        race.raceTimeAtLap[slot][++lap] = time;
    }
    race.lapsDone[slot] = lap;
}

TEST(PositionBoard, AnnAndBobRowsOfTheTwoLapRace) {
    RaceRecord race;
    addDriver(race, 0, 7, "Ann", "B1", {95000, 185123});
    addDriver(race, 1, 12, "Bob", "B2", {96000, 186000});
    race.maxLap = 2;
    race.driverCount = 2;
    race.winnerSlot = 0;

    const std::string row1 = rowNumber(1) + cell(kRed, "7") + cell(kRed, "7") + middleRowNumber(1) + cell(kRed, "7") +
                             cell(kRed, "Ann") + cell(kRed, "B1") + cell(kRed, "2") + cell(kRed, "3:05.123") +
                             cell(kRed, "") + lastCell(kRed, "");
    const std::string row2 = rowNumber(2) + cell(kYellow, "12") + cell(kYellow, "12") + middleRowNumber(2) +
                             cell(kYellow, "12") + cell(kYellow, "Bob") + cell(kYellow, "B2") + cell(kYellow, "2") +
                             cell(kYellow, "3:06.000") + cell(kYellow, "-0.877") + lastCell(kYellow, "-0.877");
    // The rows as the worked example quotes them.
    EXPECT_EQ(row1,
              "<td align=\"center\" bgcolor=\"#444444\"> 1 <bgcolor=\"#FFFFFF\" /td> <td align=\"center\" "
              "bgcolor=\"#FF0000\"> 7 </td> <td align=\"center\" bgcolor=\"#FF0000\"> 7 </td> <td align=\"center\" "
              "bgcolor=\"#444444\"> 1 <bgcolor=\"#FFFFFF\" td> <td align=\"center\" bgcolor=\"#FF0000\"> 7 </td> "
              "<td align=\"center\" bgcolor=\"#FF0000\"> Ann </td> <td align=\"center\" bgcolor=\"#FF0000\"> B1 "
              "</td> <td align=\"center\" bgcolor=\"#FF0000\"> 2 </td> <td align=\"center\" bgcolor=\"#FF0000\"> "
              "3:05.123 </td> <td align=\"center\" bgcolor=\"#FF0000\">  </td> <td align=\"center\" "
              "bgcolor=\"#FF0000\">  </td> </tr> ");
    EXPECT_EQ(boardOf(race, 12), expected::crlf(boardOpen(2) + row1 + row2 + kBoardEnd));
}

TEST(PositionBoard, LapColumnsCountThePenaltyAndTheFinalResultDoesNot) {
    // Equal race time less penalty on lap 1: the lower slot is placed first. In the
    // final result the raw times decide, so the rider behind the winner in the export
    // is ahead of him and his gap to the winner is written with a plus.
    RaceRecord race;
    addDriver(race, 0, 1, "A", "K", {60000});
    addDriver(race, 1, 2, "B", "K", {65000});
    race.penalty[1] = 5000;
    race.maxLap = 1;
    race.driverCount = 2;
    race.winnerSlot = 1;

    const std::string rows = rowNumber(1) + cell(kPlain, "1") + middleRowNumber(1) + cell(kPlain, "1") +
                             cell(kPlain, "A") + cell(kPlain, "K") + cell(kPlain, "1") + cell(kPlain, "1:00.000") +
                             cell(kPlain, "+5.000") + lastCell(kPlain, "") +
                             rowNumber(2) + cell(kRed, "2") + middleRowNumber(2) + cell(kRed, "2") + cell(kRed, "B") +
                             cell(kRed, "K") + cell(kRed, "1") + cell(kRed, "1:05.000") + cell(kRed, "") +
                             lastCell(kRed, "-5.000");
    EXPECT_EQ(boardOf(race, 99), expected::crlf(boardOpen(1) + rows + kBoardEnd));
}

TEST(PositionBoard, LappedRiderAndNoWinnerLeaveGapCellsEmpty) {
    // Without a winner no -first is written and nobody is red; the lapped rider has no
    // -first either, and no -before behind a rider with more laps.
    RaceRecord race;
    addDriver(race, 0, 3, "A", "K", {60000, 120000});
    addDriver(race, 1, 4, "B", "K", {61000, 122000});
    addDriver(race, 2, 5, "C", "K", {70000});
    race.maxLap = 2;
    race.driverCount = 3;
    race.winnerSlot = kNoSlot;

    const std::string rows =
        rowNumber(1) + cell(kYellow, "3") + cell(kYellow, "3") + middleRowNumber(1) + cell(kYellow, "3") +
        cell(kYellow, "A") + cell(kYellow, "K") + cell(kYellow, "2") + cell(kYellow, "2:00.000") + cell(kYellow, "") +
        lastCell(kYellow, "") +
        rowNumber(2) + cell(kPlain, "4") + cell(kPlain, "4") + middleRowNumber(2) + cell(kPlain, "4") +
        cell(kPlain, "B") + cell(kPlain, "K") + cell(kPlain, "2") + cell(kPlain, "2:02.000") + cell(kPlain, "") +
        lastCell(kPlain, "-2.000") +
        rowNumber(3) + cell(kPlain, "5") + cell(kPlain, "") + middleRowNumber(3) + cell(kPlain, "5") +
        cell(kPlain, "C") + cell(kPlain, "K") + cell(kPlain, "1") + cell(kPlain, "1:10.000") + cell(kPlain, "") +
        lastCell(kPlain, "");
    EXPECT_EQ(boardOf(race, 3), expected::crlf(boardOpen(2) + rows + kBoardEnd));
}

TEST(PositionBoard, SlotWithoutExportTimeEmptiesTheRemainingFinalRows) {
    // Slot 1 has the most laps but its export row was not used: no driver qualifies
    // for any final-result row, while the lap columns still show slot 0.
    RaceRecord race;
    addDriver(race, 0, 8, "A", "K", {60000});
    race.startNumber[1] = 9;
    race.lapsDone[1] = 2;
    race.maxLap = 2;
    race.driverCount = 2;
    race.winnerSlot = 0;

    const std::string white = expected::kWhite;
    const std::string eight = expected::colour("b5d722");
    const std::string rows = rowNumber(1) + cell(eight, "8") + cell(white, "") + middleRowNumber(1) +
                             lastCell(white, "") +
                             rowNumber(2) + cell(white, "") + cell(white, "") + middleRowNumber(2) +
                             lastCell(white, "");
    EXPECT_EQ(boardOf(race, 0), expected::crlf(boardOpen(2) + rows + kBoardEnd));
}

TEST(PositionBoard, OnlyValuesBelowTheNoTimeValueArePlaced) {
    // Slot 0's elapsed time is the no-time value itself: it is placed neither in the
    // lap column nor in the final result. Less a penalty of 1 ms it is below the
    // bound in the lap column, ties with slot 1 and, as the lower slot, comes first;
    // the final result still goes by the raw time.
    const std::string finalRow = middleRowNumber(1) + cell(kRed, "2") + cell(kRed, "B") + cell(kRed, "K") +
                                 cell(kRed, "1") + cell(kRed, "166:39.999") + cell(kRed, "") + lastCell(kRed, "");
    const std::string emptyFinalRow = middleRowNumber(2) + lastCell(kPlain, "");
    const struct {
        std::int32_t penalty;
        std::string rows;
    } cases[] = {
        {0, rowNumber(1) + cell(kRed, "2") + finalRow + rowNumber(2) + cell(kPlain, "") + emptyFinalRow},
        {1, rowNumber(1) + cell(kPlain, "1") + finalRow + rowNumber(2) + cell(kRed, "2") + emptyFinalRow},
    };
    for (const auto& c : cases) {
        RaceRecord race;
        addDriver(race, 0, 1, "A", "K", {10000000});
        addDriver(race, 1, 2, "B", "K", {9999999});
        race.penalty[0] = c.penalty;
        race.maxLap = 1;
        race.driverCount = 2;
        race.winnerSlot = 1;
        EXPECT_EQ(boardOf(race, 99), expected::crlf(boardOpen(1) + c.rows + kBoardEnd)) << c.penalty;
    }
}

}  // namespace
}  // namespace league::quorrin
