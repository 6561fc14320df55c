#include "omblen/qualifying_table.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace league::omblen {
namespace {

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

// The order in which repeated calls hand out the entries, placing each as a pass does.
std::vector<int> rankingOrder(QualifyingTable& table) {
    std::vector<int> order;
    for (int e = nextFastestEntry(table); e >= 0; e = nextFastestEntry(table)) {
        order.push_back(e);
        table.entries[static_cast<std::size_t>(e)].placed = true;
    }
    return order;
}

TEST(NextFastestEntry, ListsTimesAboveZeroAndBelowNoTimeAscendingWithTiesInReadingOrder) {
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
        QualifyingTable table = tableOf(c.bestLaps);
        EXPECT_EQ(rankingOrder(table), c.order) << ::testing::PrintToString(c.bestLaps);
    }
}

TEST(NextFastestEntry, StartsAgainFromTheFastestOnceTheFlagsAreCleared) {
    QualifyingTable table = tableOf({85000, 80000, 82000});
    ASSERT_EQ(rankingOrder(table), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(nextFastestEntry(table), -1);

    clearPlacedFlags(table);

    EXPECT_EQ(rankingOrder(table), (std::vector<int>{1, 2, 0}));
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

}  // namespace
}  // namespace league::omblen
