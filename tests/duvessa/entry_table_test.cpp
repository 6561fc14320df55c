#include "duvessa/entry_table.hpp"

#include "support/export_builder.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace league::duvessa {
namespace {

using testing::raceExport;
using testing::raceRow;

// Takes one export's rows into the table as the run does; true when the table filled up.
bool readInto(EntryTable& table, const std::string& bytes, std::int32_t raceNumber) {
    return takeRaceRows(table, readExportRows(bytes, kDuvessaEndMargin, readDuvessaRow), raceNumber);
}

TEST(EntryTable, ReferenceLapsFromEntryZeroAndReferenceTimeFromItsDistanceOnly) {
    const struct {
        std::int32_t laps;
        std::int32_t time;
        std::int32_t referenceLaps;
        std::int32_t referenceTime;
    } steps[] = {
        {10, 1200000, 10, 1200000},
        {11, 1100000, 10, 1200000},  // another distance: no effect
        {10, 1250000, 10, 1200000},  // slower: no effect
        {10, 1199000, 10, 1199000},  // faster over the distance: drops
        {9, 1000, 10, 1199000},
    };
    EntryTable table;
    EXPECT_EQ(table.referenceTime, kNoTime);
    std::int32_t raceNumber = 1;
    for (const auto& step : steps) {
        ExportRow row;
        row.laps = step.laps;
        row.time = step.time;
        ASSERT_TRUE(addEntry(table, row, raceNumber++));
        EXPECT_EQ(table.referenceLaps, step.referenceLaps) << step.time;
        EXPECT_EQ(table.referenceTime, step.referenceTime) << step.time;
    }
    EXPECT_EQ(table.entryCount, 5);
    EXPECT_EQ(table.entries[3].raceNumber, 4);
}

TEST(EntryTable, RowsOfAnExportBecomeEntriesUntilALapCountOutsideOneToThirtyFive) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> drivers;
    } cases[] = {
        {"all rows", raceExport({raceRow(4, "Ann", "F", 10, 1200000), raceRow(4, "Bo", "G", 9, 1230000)}),
         {"Ann", "Bo"}},
        {"0 laps ends", raceExport({raceRow(1, "Ann", "F", 10, 1200000), raceRow(2, "Bo", "G", 0, 0),
                                    raceRow(3, "Cy", "H", 9, 1230000)}),
         {"Ann"}},
        {"36 laps ends", raceExport({raceRow(1, "Ann", "F", 35, 1200000), raceRow(2, "Bo", "G", 36, 1),
                                     raceRow(3, "Cy", "H", 9, 1230000)}),
         {"Ann"}},
        {"first row ends", raceExport({raceRow(1, "Ann", "F", 0, 0), raceRow(2, "Bo", "G", 9, 1)}), {}},
        {"no rows", raceExport({}), {}},
        {"too short", std::string(1280 + 336, ' '), {}},
    };
    for (const auto& c : cases) {
        EntryTable table;
        EXPECT_FALSE(readInto(table, c.bytes, 3)) << c.name;
        ASSERT_EQ(table.entryCount, static_cast<std::int32_t>(c.drivers.size())) << c.name;
        for (std::size_t i = 0; i < c.drivers.size(); ++i) {
            EXPECT_EQ(table.entries[i].driverName, c.drivers[i]) << c.name;
            EXPECT_EQ(table.entries[i].raceNumber, 3) << c.name;
        }
    }
}

TEST(EntryTable, RowsThatFindTheTableFullAreCountedAndDoNotMoveTheReference) {
    std::vector<testing::RaceRow> rows;
    for (std::int32_t i = 0; i < 60; ++i) {
        rows.push_back(raceRow(i, "Rider" + std::to_string(i), "Bike", 10, 1200000 + i));
    }
    EntryTable table;
    EXPECT_FALSE(readInto(table, raceExport(rows), 1));
    EXPECT_TRUE(readInto(table, raceExport(rows), 2));
    EXPECT_FALSE(readInto(table, raceExport({raceRow(1, "Fast", "F", 10, 1000)}), 3));
    EXPECT_EQ(table.entryCount, kMaxEntries);
    EXPECT_EQ(table.rowsLeftOut, 21 + 1);
    EXPECT_EQ(table.entries[98].driverName, "Rider38");
    EXPECT_EQ(table.referenceTime, 1200000);
}

}  // namespace
}  // namespace league::duvessa
