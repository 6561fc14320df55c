#include "common/export_recipes.hpp"

#include "support/export_builder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league {
namespace {

using testing::practiceExport;
using testing::practiceRow;
using testing::raceExport;
using testing::raceRow;

template <typename Recipe>
std::vector<ExportRow> readAll(const std::string& bytes, std::int64_t endMargin, Recipe recipe,
                               RowOutcome* lastOutcome = nullptr) {
    ExportReader reader;
    reader.openBytes(bytes, endMargin);
    std::vector<ExportRow> rows;
    if (!reader.rowsAvailable()) {
        return rows;
    }
    while (true) {
        ExportRow row;
        const RowOutcome outcome = recipe(reader, row);
        if (lastOutcome != nullptr) {
            *lastOutcome = outcome;
        }
        EXPECT_LE(reader.position(), reader.size() + 43);
        if (outcome != RowOutcome::Taken) {
            break;
        }
        rows.push_back(row);
        if (reader.pastRegionEnd()) {
            break;
        }
    }
    return rows;
}

const std::vector<testing::RaceRow> kRace = {
    raceRow(12, "Ann Rider", "Falcon 990", 12, 1503456, 5),
    raceRow(7, "Bob &amp; Co", "Vespid R", 12, 1510001),
    raceRow(104, "Cleo", "X", 11, 1499999, 10),
};

TEST(ExportRecipes, QuorrinReadsNumberLapsRaceTimeAndPenaltyOfEveryRow) {
    const auto rows = readAll(raceExport(kRace), kQuorrinEndMargin, readQuorrinRow);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].startNumber, 12);
    EXPECT_EQ(rows[0].laps, 12);
    EXPECT_EQ(rows[0].time, 1503456);
    EXPECT_TRUE(rows[0].hasPenalty);
    EXPECT_EQ(rows[0].penalty, 5000);
    EXPECT_EQ(rows[1].startNumber, 7);
    EXPECT_FALSE(rows[1].hasPenalty);
    EXPECT_EQ(rows[2].startNumber, 104);
    EXPECT_EQ(rows[2].laps, 11);
    EXPECT_EQ(rows[2].time, 1499999);
    EXPECT_EQ(rows[2].penalty, 10000);
    EXPECT_TRUE(rows[0].driverName.empty());
}

TEST(ExportRecipes, DuvessaReadsNumberNamesLapsAndRaceTime) {
    const auto rows = readAll(raceExport(kRace), kDuvessaEndMargin, readDuvessaRow);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].startNumber, 12);
    EXPECT_EQ(rows[0].driverName, "Ann Rider");
    EXPECT_EQ(rows[0].bikeName, "Falcon 990");
    EXPECT_EQ(rows[0].laps, 12);
    EXPECT_EQ(rows[0].time, 1503456);
    EXPECT_EQ(rows[1].driverName, "Bob &amp; Co");
    EXPECT_EQ(rows[2].bikeName, "X");
    EXPECT_EQ(rows[2].time, 1499999);
}

TEST(ExportRecipes, OmblenReadsBestLapLapTextAndSpeedInKmh) {
    const auto rows = readAll(practiceExport({practiceRow(3, "Dana", "Hornet", 89123, "7/12", "160.1 km/h"),
                                              practiceRow(44, "Eli", "Wasp", 90500, "3/9", "99.5 mph"),
                                              practiceRow(5, std::string(32, 'Z'), "Moth", 91000, "10/10", "150 km/h")}),
                              kOmblenEndMargin, readOmblenRow);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].startNumber, 3);
    EXPECT_EQ(rows[0].driverName, "Dana");
    EXPECT_EQ(rows[0].bikeName, "Hornet");
    EXPECT_EQ(rows[0].time, 89123);
    EXPECT_EQ(rows[0].lapText, "7/12");
    EXPECT_DOUBLE_EQ(rows[0].speedKmh, 160.1);
    EXPECT_DOUBLE_EQ(rows[1].speedKmh, 99.5 * 1.609344);
    EXPECT_NEAR(rows[1].speedKmh, 160.129728, 1e-9);
    EXPECT_EQ(rows[2].driverName, std::string(32, 'Z'));
    EXPECT_EQ(rows[2].lapText, "10/10");
}

TEST(ExportRecipes, CheckedValuesEndTheRows) {
    RowOutcome outcome = RowOutcome::Taken;
    for (const int laps : {0, 36}) {
        const auto rows = readAll(raceExport({raceRow(1, "A", "B", 10, 1200000), raceRow(2, "C", "D", laps, 1200000),
                                              raceRow(3, "E", "F", 10, 1200000)}),
                                  kDuvessaEndMargin, readDuvessaRow, &outcome);
        EXPECT_EQ(rows.size(), 1u) << laps;
        EXPECT_EQ(outcome, RowOutcome::RowsEnd) << laps;
    }
    const auto rows = readAll(practiceExport({practiceRow(1, "A", "B", 90000, "1/5", "150.0 km/h"),
                                              practiceRow(2, "C", "D", 0, "0/5", "0.0 km/h"),
                                              practiceRow(3, "E", "F", 91000, "2/5", "150.0 km/h")}),
                              kOmblenEndMargin, readOmblenRow, &outcome);
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_EQ(outcome, RowOutcome::RowsEnd);
}

TEST(ExportRecipes, LongTextsAreCutButTheRowStaysInStep) {
    const std::string longName = std::string(32, 'N') + "-and-more";
    const auto rows = readAll(raceExport({raceRow(9, longName, std::string(40, 'B'), 10, 1200000),
                                          raceRow(10, "Next", "Bike", 10, 1201000)}),
                              kDuvessaEndMargin, readDuvessaRow);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].driverName, std::string(32, 'N'));
    EXPECT_EQ(rows[0].bikeName, std::string(32, 'B'));
    EXPECT_EQ(rows[0].laps, 10);
    EXPECT_EQ(rows[1].startNumber, 10);

    const auto practice = readAll(practiceExport({practiceRow(1, "A", "B", 90000, "123/4567", "150.0 km/h"),
                                                  practiceRow(2, "C", "D", 91000, "2/5", "151.0 km/h")}),
                                  kOmblenEndMargin, readOmblenRow);
    ASSERT_EQ(practice.size(), 2u);
    EXPECT_EQ(practice[0].lapText, "123/45");
    EXPECT_DOUBLE_EQ(practice[0].speedKmh, 150.0);
    EXPECT_EQ(practice[1].time, 91000);
}

TEST(ExportRecipes, BrokenRowsAreAbandonedAndKeepTheRowsBefore) {
    const std::string whole = raceExport(kRace);
    const std::string secondRow = testing::raceRowText(kRace[1], 2);
    const std::size_t secondStart = whole.find(secondRow);
    ASSERT_NE(secondStart, std::string::npos);
    // Cut inside the second row, anywhere before its race time is complete.
    const std::size_t timeEnd = secondRow.find(kRace[1].raceTime) + kRace[1].raceTime.size() - 1;
    for (std::size_t cut = 10; cut < timeEnd; cut += 7) {
        const std::string bytes = whole.substr(0, secondStart + cut);
        for (const auto margin : {std::int64_t{0}}) {
            RowOutcome outcome = RowOutcome::Taken;
            EXPECT_LE(readAll(bytes, margin, readQuorrinRow, &outcome).size(), 1u);
            EXPECT_LE(readAll(bytes, margin, readDuvessaRow, &outcome).size(), 1u);
        }
    }
    // Letters where numbers belong.
    auto withLetters = kRace;
    withLetters[1].laps = "ten";
    RowOutcome outcome = RowOutcome::Taken;
    EXPECT_EQ(readAll(raceExport(withLetters), kDuvessaEndMargin, readDuvessaRow, &outcome).size(), 1u);
    EXPECT_EQ(outcome, RowOutcome::Abandoned);
    withLetters = kRace;
    withLetters[1].raceTime = "DNF";
    EXPECT_EQ(readAll(raceExport(withLetters), kQuorrinEndMargin, readQuorrinRow, &outcome).size(), 1u);
    EXPECT_EQ(outcome, RowOutcome::Abandoned);
    withLetters = kRace;
    withLetters[0].startNumber = "#12";
    EXPECT_EQ(readAll(raceExport(withLetters), kQuorrinEndMargin, readQuorrinRow, &outcome).size(), 0u);
    EXPECT_EQ(outcome, RowOutcome::Abandoned);
    // A penalty whose milliseconds do not fit 32 bits.
    withLetters = kRace;
    withLetters[1].penalty = "+2147484";
    EXPECT_EQ(readAll(raceExport(withLetters), kQuorrinEndMargin, readQuorrinRow, &outcome).size(), 1u);
    EXPECT_EQ(outcome, RowOutcome::Abandoned);
}

TEST(ExportRecipes, CellDistancesDecideWhichCellIsRead) {
    // Quorrin: a name cell whose "<TD" lies 12 bytes past the start number is found by
    // the search meant for the bike cell, so the bike cell's text is read as the laps.
    std::string bytes = raceExport({raceRow(12, "Ann", "77", 12, 1503456), raceRow(13, "Bob", "Y", 12, 1504000)});
    const std::string nameCell = "12</TD>\r\n    <TD>Ann";
    const std::size_t at = bytes.find(nameCell);
    ASSERT_NE(at, std::string::npos);
    bytes.insert(at + 9, " ");
    ExportReader reader;
    reader.openBytes(bytes, kQuorrinEndMargin);
    ASSERT_TRUE(readQuorrinRowStartNumber(reader));
    EXPECT_EQ(readQuorrinRowLaps(reader), 77);

    // Duvessa: with no bytes between the bike cell and the laps cell, the laps search
    // passes over the laps cell and reads the race time's minutes instead.
    std::string joined = raceExport({raceRow(5, "Cleo", "Z", 12, 1503456)});
    const std::string bikeEnd = "Z</TD>\r\n    <TD class=\"laps\">";
    const std::size_t bike = joined.find(bikeEnd);
    ASSERT_NE(bike, std::string::npos);
    joined.erase(bike + 6, 6);
    ExportReader duvessa;
    duvessa.openBytes(joined, kDuvessaEndMargin);
    ExportRow passedOver;
    readDuvessaRow(duvessa, passedOver);
    EXPECT_EQ(passedOver.laps, 25);
}

TEST(ExportRecipes, ShortExportsGiveNoRows) {
    EXPECT_TRUE(readAll(raceExport({}), kQuorrinEndMargin, readQuorrinRow).empty());
    EXPECT_TRUE(readAll(raceExport({}), kDuvessaEndMargin, readDuvessaRow).empty());
    EXPECT_TRUE(readAll(practiceExport({}), kOmblenEndMargin, readOmblenRow).empty());
}

}  // namespace
}  // namespace league
