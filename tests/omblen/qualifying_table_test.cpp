#include "omblen/qualifying_table.hpp"

#include "support/export_builder.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace league::omblen {
namespace {

using testing::practiceExport;
using testing::practiceRow;

QualifyingTable tableOf(const std::vector<std::int32_t>& bestLaps) {
    QualifyingTable table;
    for (const std::int32_t lap : bestLaps) {
        QualifyingEntry entry;
        entry.bestLap = lap;
        entry.exportNo = 1;
        EXPECT_TRUE(addEntry(table, entry));
    }
    return table;
}

TEST(RankByBestLap, ListsTimesAboveZeroAndBelowNoTimeAscendingWithTiesInReadingOrder) {
    const struct {
        std::vector<std::int32_t> bestLaps;
        std::vector<int> order;
    } cases[] = {
        {{}, {}},
        {{90000}, {0}},
        {{90000, 80000, 85000}, {1, 2, 0}},
        {{80000, 80000, 70000, 80000}, {2, 0, 1, 3}},
        {{1, 9999999, 10000000, 10000001}, {0, 1}},
        {{-5, 95000, -2147483647 - 1, 2147483647}, {1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rankByBestLap(tableOf(c.bestLaps)), c.order) << ::testing::PrintToString(c.bestLaps);
    }
}

TEST(QualifyingTable, HoldsNinetyNineEntriesAndTheBestTimeOfThoseKept) {
    QualifyingTable table;
    EXPECT_EQ(table.bestOverall, 10000000);
    QualifyingEntry entry;
    for (int i = 0; i < kMaxEntries; ++i) {
        entry.bestLap = 90000 - i;
        ASSERT_TRUE(addEntry(table, entry)) << i;
    }
    EXPECT_EQ(table.entryCount, 99);
    EXPECT_EQ(table.bestOverall, 90000 - 98);

    entry.bestLap = 1000;
    EXPECT_FALSE(addEntry(table, entry));
    EXPECT_EQ(table.entryCount, 99);
    EXPECT_EQ(table.bestOverall, 90000 - 98);
}

// Rows of one export as the run takes them; true when the table filled up.
bool takeExport(QualifyingTable& table, const std::string& bytes, std::int32_t exportNo) {
    return takeQualifyingRows(table, readExportRows(bytes, kOmblenEndMargin, readOmblenRow), exportNo);
}

TEST(TakeQualifyingRows, KeepsEveryRowAsAnEntryOfItsExport) {
    QualifyingTable table;
    EXPECT_FALSE(takeExport(table,
                            practiceExport({
                                practiceRow(7, "Ann Rider", "Falcon 990", 83456, "5/8", "160.1 km/h"),
                                practiceRow(12, "Bob &amp; Co", "Maximilian-Alexander-Motorrad-Werke", 90000,
                                            "12/15 laps", "99.5 mph"),
                            }),
                            2));

    ASSERT_EQ(table.entryCount, 2);
    const QualifyingEntry& ann = table.entries[0];
    EXPECT_EQ(ann.startNumber, 7);
    EXPECT_EQ(ann.driverName, "Ann Rider");
    EXPECT_EQ(ann.bikeName, "Falcon 990");
    EXPECT_EQ(ann.bestLap, 83456);
    EXPECT_EQ(ann.lapText, "5/8");
    EXPECT_DOUBLE_EQ(ann.speedKmh, 160.1);
    EXPECT_EQ(ann.exportNo, 2);
    const QualifyingEntry& bob = table.entries[1];
    EXPECT_EQ(bob.driverName, "Bob &amp; Co");
    EXPECT_EQ(bob.bikeName, "Maximilian-Alexander-Motorrad-We");
    EXPECT_EQ(bob.lapText, "12/15 ");
    EXPECT_DOUBLE_EQ(bob.speedKmh, 160.129728);
    EXPECT_EQ(table.bestOverall, 83456);
}

TEST(TakeQualifyingRows, BestLapOfZeroEndsTheExportAndTheNextExportGoesOn) {
    QualifyingTable table;
    takeExport(table,
               practiceExport({
                   practiceRow(1, "Ann", "A", 90000, "1", "150.0 km/h"),
                   practiceRow(2, "Noel", "N", 0, "0", "0.0 km/h"),
                   practiceRow(3, "Cleo", "C", 80000, "1", "150.0 km/h"),
               }),
               1);
    takeExport(table, practiceExport({practiceRow(4, "Dana", "D", 85000, "1", "150.0 km/h")}), 2);
    takeExport(table, practiceExport({}), 3);

    ASSERT_EQ(table.entryCount, 2);
    EXPECT_EQ(table.entries[0].startNumber, 1);
    EXPECT_EQ(table.entries[1].startNumber, 4);
    EXPECT_EQ(table.entries[1].exportNo, 2);
    EXPECT_EQ(table.bestOverall, 85000);
}

TEST(TakeQualifyingRows, RowsBeyondNinetyNineAreLeftOutAndTheFirstTimeIsTold) {
    std::vector<testing::PracticeRow> slow;
    std::vector<testing::PracticeRow> fast;
    for (int i = 0; i < 60; ++i) {
        slow.push_back(practiceRow(i, "Slow", "S", 90000 + i, "1", "150.0 km/h"));
        fast.push_back(practiceRow(100 + i, "Fast", "F", 70000 + i, "1", "150.0 km/h"));
    }
    QualifyingTable table;
    EXPECT_FALSE(takeExport(table, practiceExport(slow), 1));
    EXPECT_TRUE(takeExport(table, practiceExport(fast), 2));
    EXPECT_FALSE(takeExport(table, practiceExport({practiceRow(200, "Fastest", "F", 60000, "1", "150.0 km/h")}), 3));

    EXPECT_EQ(table.entryCount, 99);
    EXPECT_EQ(table.entries[98].startNumber, 138);
    EXPECT_EQ(table.bestOverall, 70000);
}

}  // namespace
}  // namespace league::omblen
