#include "duvessa/placement.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace league::duvessa {
namespace {

struct Ranked {
    std::int32_t rankLaps;
    std::int32_t rankTime;
};

// The entry index at each position, kEmptyPosition where none is placed.
std::vector<std::int32_t> order(const std::vector<Ranked>& ranked) {
    EntryTable table;
    for (const Ranked& entry : ranked) {
        MergeEntry& merged = table.entries[static_cast<std::size_t>(table.entryCount++)];
        merged.rankLaps = entry.rankLaps;
        merged.rankTime = entry.rankTime;
    }
    const Placement placement = placeEntries(table);
    EXPECT_EQ(placement.positionCount, table.entryCount);
    std::vector<std::int32_t> indexes;
    for (std::int32_t position = 1; position <= placement.positionCount; ++position) {
        indexes.push_back(placement.entryAt(position));
    }
    return indexes;
}

constexpr std::int32_t kEmpty = kEmptyPosition;

TEST(Placement, MostRankedLapsFirstThenSmallestRankedTimeWithTiesToTheLowerIndex) {
    const struct {
        const char* name;
        std::vector<Ranked> entries;
        std::vector<std::int32_t> order;
    } cases[] = {
        {"by time", {{10, 1200000}, {10, 1199000}, {10, 1366666}}, {1, 0, 2}},
        {"laps before time", {{5, 600000}, {10, 1300000}, {10, 1250000}}, {2, 1, 0}},
        {"more laps than the reference first", {{10, 1000}, {12, 1100000}}, {1, 0}},
        {"equal times: lower index", {{10, 1200000}, {10, 1200000}, {10, 1200000}}, {0, 1, 2}},
        {"equal times after a faster one", {{10, 1300000}, {10, 1100000}, {10, 1300000}}, {1, 0, 2}},
        {"time of kNoTime blocks the rest", {{10, 1200000}, {10, kNoTime}, {9, 1000}}, {0, kEmpty, kEmpty}},
        {"time just below kNoTime is placed", {{10, kNoTime - 1}, {10, 1200000}}, {1, 0}},
        {"a time of 0 and a negative one are placed", {{10, 0}, {10, -5}}, {1, 0}},
        {"blocked lower laps wait behind", {{9, kNoTime}, {10, 1200000}, {8, 1}}, {1, kEmpty, kEmpty}},
        {"no entries", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(order(c.entries), c.order) << c.name;
    }
}

}  // namespace
}  // namespace league::duvessa
