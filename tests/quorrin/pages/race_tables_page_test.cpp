#include "quorrin/pages/race_tables_page.hpp"

#include "quorrin/pages/graph_values_page.hpp"
#include "quorrin/analysis/race_analysis.hpp"
#include "quorrin/race_page_fragments.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

using namespace expected;

// ---- Races ----

void addDriver(RaceRecord& race, std::int32_t slot, std::int32_t startNumber, const std::string& name,
               const std::string& bike, std::initializer_list<std::int32_t> laps,
               std::initializer_list<std::int32_t> elapsed) {
    race.startNumber[slot] = startNumber;
    race.driverName[slot] = name;
    race.bikeName[slot] = bike;
    std::int32_t lap = 0;
    for (const std::int32_t time : laps) {
        race.lapTime[slot][++lap] = time;
    }
    race.lapsDone[slot] = lap;
    lap = 0;
    for (const std::int32_t time : elapsed) {
        race.raceTimeAtLap[slot][++lap] = time;
    }
}

void setBest(RaceRecord& race, std::int32_t slot, std::int32_t best, std::int32_t lapNo) {
    race.lapTime[slot][0] = best;
    race.bestLapNo[slot] = lapNo;
}

void setRecords(RaceRecord& race, std::vector<LapRecord> raceRecords) {
    race.lapRecords = {{0, 4, 0}};
    race.lapRecords.insert(race.lapRecords.end(), raceRecords.begin(), raceRecords.end());
    race.firstRaceRecord = 1;
    race.recordCount = static_cast<std::int32_t>(race.lapRecords.size());
}

void nameRace(RaceRecord& race) {
    race.trackName = "Harbour Loop";
}

// Three laps. Bob (#12) has a 5 s penalty: the export puts Ann (#7) first, so she is
// the winner, while Bob's raw race time is shorter. Cid (#3) is a lap down.
RaceRecord penaltyRace() {
    RaceRecord race;
    nameRace(race);
    addDriver(race, 0, 7, "Ann", "B1", {95000, 90000, 91400}, {95000, 185000, 276400});
    addDriver(race, 1, 12, "Bob", "B2", {94000, 90500, 91000}, {94000, 184500, 275500});
    addDriver(race, 2, 3, "Cid", "B3", {100000, 105000}, {100000, 205000});
    race.penalty[1] = 5000;
    setBest(race, 0, 90000, 2);
    setBest(race, 1, 90500, 2);
    setBest(race, 2, 100000, 1);
    // The replay's own first laps differ from the ones derived from the export.
    setRecords(race, {{0, 1, 96000}, {1, 1, 95500}, {2, 1, 100000}, {1, 2, 90500}, {0, 2, 90000},
                      {2, 2, 105000}, {1, 3, 91000}, {0, 3, 91400}});
    race.maxLap = 3;
    race.driverCount = 3;
    race.winnerSlot = 0;
    return race;
}

// Four laps. Dan (#23) had two laps counted as one 175 s lap, split into two halves
// below his best lap; Eve (#105) has a start number beyond the palette.
RaceRecord repairedLapRace() {
    RaceRecord race;
    nameRace(race);
    addDriver(race, 0, 23, "Dan", "K1", {92000, 90000, 87500, 87500}, {92000, 182000, 269500, 357000});
    addDriver(race, 1, 105, "Eve", "K2", {93000, 91000, 90800, 91200}, {93000, 184000, 274800, 366000});
    setBest(race, 0, 90000, 2);
    setBest(race, 1, 90800, 3);
    setRecords(race, {{0, 1, 92000}, {1, 1, 93000}, {0, 2, 90000}, {1, 2, 91000}, {0, 3, 175000},
                      {1, 3, 90800}, {1, 4, 91200}});
    race.maxLap = 4;
    race.driverCount = 2;
    race.winnerSlot = 0;
    return race;
}

// Three laps without a usable export: no elapsed times, the winner from the replay.
// Gus (#8) retired after lap 2, Hal (#9) after lap 1.
RaceRecord failedExportRace() {
    RaceRecord race;
    nameRace(race);
    addDriver(race, 0, 4, "Fay", "F1", {91000, 90000, 90500}, {});
    addDriver(race, 1, 8, "Gus", "G1", {92000, 91500}, {});
    addDriver(race, 2, 9, "Hal", "H1", {95000}, {});
    setBest(race, 0, 90000, 2);
    setBest(race, 1, 91500, 2);
    setBest(race, 2, 95000, 1);
    setRecords(race, {{0, 1, 91000}, {1, 1, 92000}, {2, 1, 95000}, {0, 2, 90000}, {1, 2, 91500}, {0, 3, 90500}});
    race.maxLap = 3;
    race.driverCount = 3;
    race.winnerSlot = 0;
    return race;
}

// The pages of a race from its analysis: the race tables page, and the graph values
// page when the export could be used.
testing::FileMap pagesOf(const RaceRecord& race, std::int32_t colourAnswer, ExportJoin join = ExportJoin::Joined) {
    const RaceAnalysis analysis = analyseRace(race, join, ColourScheme::fromAnswer(colourAnswer));
    testing::FileMap pages;
    pages["race.html"] = expected::pageBytes([&](ReportWriter& page) { writeRaceTablesPage(page, race, analysis); });
    if (analysis.graphValues) {
        pages["race_G.html"] = expected::pageBytes(
            [&](ReportWriter& page) { writeGraphValuesPage(page, race, *analysis.graphValues, analysis.colours); });
    }
    return pages;
}

// ---- Expected pages ----

std::string penaltyRacePage() {
    const std::string& ann = kRed;
    const std::string& bob = kYellow;
    const std::string& cid = kPlain;
    const std::string red = "bgcolor=\"#FF5f5f\"";
    return pageHead("Harbour Loop") +
           // Bob leads every lap column by time less penalty, but is behind Ann in the export.
           boardOpen(3) +
           rowNumber(1) + cell(bob, "12") + cell(bob, "12") + cell(bob, "12") + middleRowNumber(1) + cell(bob, "12") +
           cell(bob, "Bob") + cell(bob, "B2") + cell(bob, "3") + cell(bob, "4:35.500") + cell(bob, "+0.900") +
           lastCell(bob, "") +
           rowNumber(2) + cell(ann, "7") + cell(ann, "7") + cell(ann, "7") + middleRowNumber(2) + cell(ann, "7") +
           cell(ann, "Ann") + cell(ann, "B1") + cell(ann, "3") + cell(ann, "4:36.400") + cell(ann, "") +
           lastCell(ann, "-0.900") +
           rowNumber(3) + cell(cid, "3") + cell(cid, "3") + cell(kPlain, "") + middleRowNumber(3) + cell(cid, "3") +
           cell(cid, "Cid") + cell(cid, "B3") + cell(cid, "2") + cell(cid, "3:25.000") + cell(cid, "") +
           lastCell(cid, "") + kBoardEnd +
           comparatorOpen(1, 3) +
           rowNumber(1) + cell(bob, "12") + cell(ann, "7") + cell(bob, "12") + middleRowNumber(1) + cell(ann, "7") +
           cell(ann, "Ann") + cell(ann, "B1") + cell(ann, "2/3") + cell(ann, "1:30.000") + lastCell(ann, "") +
           rowNumber(2) + cell(ann, "7") + cell(bob, "12") + cell(ann, "7") + middleRowNumber(2) + cell(bob, "12") +
           cell(bob, "Bob") + cell(bob, "B2") + cell(bob, "2/3") + cell(bob, "1:30.500") + lastCell(bob, "-0.500") +
           rowNumber(3) + cell(cid, "3") + cell(cid, "3") + cell(kPlain, "") + middleRowNumber(3) + cell(cid, "3") +
           cell(cid, "Cid") + cell(cid, "B3") + cell(cid, "1/2") + cell(cid, "1:40.000") + lastCell(cid, "-10.000") +
           kComparatorEnd +
           kConsistencyOpen + consistencyRow(1, bob, "12", "Bob", "1:30.500", "1:30.750", "-0.250", "3") +
           consistencyRow(2, ann, "7", "Ann", "1:30.000", "1:30.700", "-0.700", "3") +
           consistencyRow(3, cid, "3", "Cid", "1:40.000", "1:45.000", "-5.000", "2") + kConsistencyEnd +
           // The replay's records as read: first laps of 96 s and 95.5 s.
           kDevelopmentOpen + developmentRow("1", "Ann", "1:36.000") + developmentRow("1", "Bob", "1:35.500") +
           developmentRow("2", "Bob", "1:30.500") + developmentRow("2", "Ann", "1:30.000") + kDevelopmentEnd +
           kCountsOpen + countRow("2", "Bob") + countRow("1", "Ann") + kCountsEnd +
           lapChartOpen({"3", "7", "12"}) +
           lapRow(1, {shaded(red, "1:40.000"), shaded("bgcolor=\"#b3b3FF\"", "1:35.000"),
                      shaded("bgcolor=\"#d2d2FF\"", "1:34.000")}) +
           lapRow(2, {shaded("bgcolor=\"#bdbdFF\"", "1:45.000"), shaded(red, "1:30.000"), shaded(red, "1:30.500")}) +
           lapRow(3, {kRetired, shaded("bgcolor=\"#FFfafa\"bgcolor=\"#fefeFF\"", "1:31.400"),
                      shaded("bgcolor=\"#FF9696\"", "1:31.000")}) +
           kLapChartEndAndPageEnd;
}

std::string penaltyRaceGraphPage() {
    // Rows by the time after lap 1; positions by raw elapsed time; differences to
    // Ann's average pace of 276400 / 3 per lap.
    return graphPage(3,
                     graphRow(kYellow, "12", "Bob", 1, {"1", "1", "1"}) +
                         graphRow(kRed, "7", "Ann", 2, {"2", "2", "2"}) +
                         graphRow(kPlain, "3", "Cid", 3, {"3", "3", ""}),
                     graphRow(kYellow, "12", "Bob", 0, {"1.867", "0.234", "-0.900"}) +
                         graphRow(kRed, "7", "Ann", 0, {"2.867", "0.734", "0.000"}) +
                         graphRow(kPlain, "3", "Cid", 0, {"7.867", "20.734", ""}));
}

TEST(RaceTablesPage, PlainSchemeWithPenaltyLappedRiderAndNegativeGap) {
    const testing::FileMap pages = {{"race.html", expected::crlf(penaltyRacePage())},
                                    {"race_G.html", expected::crlf(penaltyRaceGraphPage())}};
    EXPECT_EQ(pagesOf(penaltyRace(), 12), pages);
}

TEST(RaceTablesPage, ColourfulSchemeWithRepairedLap) {
    const std::string dan = colour("7c3f07");
    const std::string eve = colour("5a8fc1");
    const std::string red = "bgcolor=\"#FF5f5f\"";
    const std::string fullRed = "bgcolor=\"#FF0000\"";
    const std::string page =
        pageHead("Harbour Loop") + boardOpen(4) +
        rowNumber(1) + cell(dan, "23") + cell(dan, "23") + cell(dan, "23") + cell(dan, "23") + middleRowNumber(1) +
        cell(dan, "23") + cell(dan, "Dan") + cell(dan, "K1") + cell(dan, "4") + cell(dan, "5:57.000") +
        cell(dan, "") + lastCell(dan, "") +
        rowNumber(2) + cell(eve, "105") + cell(eve, "105") + cell(eve, "105") + cell(eve, "105") +
        middleRowNumber(2) + cell(eve, "105") + cell(eve, "Eve") + cell(eve, "K2") + cell(eve, "4") +
        cell(eve, "6:06.000") + cell(eve, "-9.000") + lastCell(eve, "-9.000") + kBoardEnd +
        comparatorOpen(1, 4) +
        rowNumber(1) + cell(dan, "23") + cell(dan, "23") + cell(dan, "23") + cell(dan, "23") + middleRowNumber(1) +
        cell(dan, "23") + cell(dan, "Dan") + cell(dan, "K1") + cell(dan, "2/4") + cell(dan, "1:30.000") +
        lastCell(dan, "") +
        rowNumber(2) + cell(eve, "105") + cell(eve, "105") + cell(eve, "105") + cell(eve, "105") +
        middleRowNumber(2) + cell(eve, "105") + cell(eve, "Eve") + cell(eve, "K2") + cell(eve, "3/4") +
        cell(eve, "1:30.800") + lastCell(eve, "-0.800") + kComparatorEnd +
        // Dan's halves pull his average below his best lap.
        kConsistencyOpen + consistencyRow(1, dan, "23", "Dan", "1:30.000", "1:28.333", "+1.667", "4") +
        consistencyRow(2, eve, "105", "Eve", "1:30.800", "1:31.000", "-0.200", "4") + kConsistencyEnd +
        // The 175 s lap as read is no fastest lap; its halves do not appear.
        kDevelopmentOpen + developmentRow("1", "Dan", "1:32.000") + developmentRow("2", "Dan", "1:30.000") +
        kDevelopmentEnd +
        kCountsOpen + countRow("4", "Dan") + kCountsEnd +
        lapChartOpen({"23", "105"}) +
        lapRow(1, {shaded("bgcolor=\"#f1f1FF\"", "1:32.000"), shaded("bgcolor=\"#ededFF\"", "1:33.000")}) +
        lapRow(2, {shaded(red, "1:30.000"), shaded("bgcolor=\"#FF7575\"", "1:31.000")}) +
        lapRow(3, {shaded(fullRed, "1:27.500"), shaded(red, "1:30.800")}) +
        lapRow(4, {shaded(fullRed, "1:27.500"), shaded("bgcolor=\"#FF8b8b\"", "1:31.200")}) +
        kLapChartEndAndPageEnd;
    const std::string graph =
        graphPage(4,
                  graphRow(dan, "23", "Dan", 1, {"1", "1", "1", "1"}) +
                      graphRow(eve, "105", "Eve", 2, {"2", "2", "2", "2"}),
                  graphRow(dan, "23", "Dan", 0, {"2.750", "3.500", "1.750", "0.000"}) +
                      graphRow(eve, "105", "Eve", 0, {"3.750", "5.500", "7.050", "9.000"}));

    const testing::FileMap pages = {{"race.html", expected::crlf(page)}, {"race_G.html", expected::crlf(graph)}};
    EXPECT_EQ(pagesOf(repairedLapRace(), 0), pages);
}

TEST(RaceTablesPage, FailedExportLeavesOutBoardLapOneAndTheGraphValuesPage) {
    const std::string& fay = kRed;
    const std::string& other = kPlain;
    const std::string red = "bgcolor=\"#FF5f5f\"";
    const std::string page =
        pageHead("Harbour Loop") + comparatorOpen(2, 3) +
        rowNumber(1) + cell(fay, "4") + cell(fay, "4") + middleRowNumber(1) + cell(fay, "4") + cell(fay, "Fay") +
        cell(fay, "F1") + cell(fay, "2/3") + cell(fay, "1:30.000") + lastCell(fay, "") +
        rowNumber(2) + cell(other, "8") + cell(kPlain, "") + middleRowNumber(2) + cell(other, "8") +
        cell(other, "Gus") + cell(other, "G1") + cell(other, "2/2") + cell(other, "1:31.500") +
        lastCell(other, "-1.500") +
        rowNumber(3) + cell(kPlain, "") + cell(kPlain, "") + middleRowNumber(3) + cell(other, "9") +
        cell(other, "Hal") + cell(other, "H1") + cell(other, "1/1") + cell(other, "1:35.000") +
        lastCell(other, "-5.000") + kComparatorEnd +
        // Hal's single lap keeps him out: one closing pair for his row index.
        kConsistencyOpen + consistencyRow(1, other, "8", "Gus", "1:31.500", "1:31.500", "-0.000", "2") +
        consistencyRow(2, fay, "4", "Fay", "1:30.000", "1:30.250", "-0.250", "3") + " </td> </tr> " +
        kConsistencyEnd +
        kDevelopmentOpen + developmentRow("1", "Fay", "1:31.000") + developmentRow("2", "Fay", "1:30.000") +
        kDevelopmentEnd +
        kCountsOpen + countRow("2", "Fay") + kCountsEnd +
        lapChartOpen({"4", "8"}) +
        lapRow(2, {shaded(red, "1:30.000"), shaded(red, "1:31.500")}) +
        lapRow(3, {shaded("bgcolor=\"#FF9696\"", "1:30.500"), kRetired}) +
        kLapChartEndAndPageEnd;

    const testing::FileMap pages = {{"race.html", expected::crlf(page)}};
    EXPECT_EQ(pagesOf(failedExportRace(), 99, ExportJoin::Missing), pages);
}

}  // namespace
}  // namespace league::quorrin
