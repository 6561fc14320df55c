#include "duvessa/scaling.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <limits>

namespace league::duvessa {
namespace {

constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();

TEST(Scaling, RaceTimeBroughtToTheReferenceDistanceByTheTruncatedAverageLap) {
    const struct {
        std::int32_t raceTime;
        std::int32_t laps;
        std::int32_t referenceLaps;
        std::int32_t scaled;
    } cases[] = {
        {1230000, 9, 10, 1366666},   // lapped: average 136666, one lap added
        {1200000, 10, 10, 1200000},  // full distance: unchanged
        {1428000, 12, 10, 1190000},  // longer race: two laps of 119000 taken off
        {1000001, 3, 4, 1333334},    // the average 333333 is truncated before it is multiplied
        {100, 3, 35, 1156},          // 33 * 32 added: the remainder of 100 / 3 is lost 32 times
        {-1000, 3, 4, -1333},        // truncation toward zero for a negative time
        {kMost, 1, 35, kMost},       // far beyond 32 bits: held at the largest time
        {kLeast, 1, 35, kLeast},     // far below: held at the smallest time
        {kMost, 35, 1, 61356697},    // the subtraction stays exact in 64 bits
        {5000, 0, 10, 5000},         // no laps, no average lap: the time stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaledRaceTime(c.raceTime, c.laps, c.referenceLaps), c.scaled)
            << c.raceTime << " ms over " << c.laps << " laps to " << c.referenceLaps;
    }
}

TEST(Scaling, SaturatedTimeKeepsEveryThirtyTwoBitValue) {
    const struct {
        std::int64_t value;
        std::int32_t time;
    } cases[] = {
        {0, 0},
        {1366666, 1366666},
        {kMost, kMost},
        {std::int64_t{kMost} + 1, kMost},
        {kLeast, kLeast},
        {std::int64_t{kLeast} - 1, kLeast},
        {std::int64_t{1} << 40, kMost},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(saturatedTime(c.value), c.time) << c.value;
    }
}

TEST(Scaling, OnlyRidersBelowTheReferenceTimeKeepTheirOwnDistance) {
    const struct {
        std::int32_t laps;
        std::int32_t raceTime;
        std::int32_t rankLaps;
        std::int32_t rankTime;
    } cases[] = {
        {10, 1200000, 10, 1200000},  // the reference rider
        {10, 1250000, 10, 1250000},  // slower over the full distance
        {9, 1230000, 10, 1366666},   // lapped, at or above the reference time: scaled
        {5, 600000, 5, 600000},      // stopped early, below the reference time: kept
        {12, 1100000, 12, 1100000},  // longer race, below the reference time: kept
        {12, 1428000, 10, 1190000},  // longer race, above it: scaled down
        {9, 1200000, 10, 1333333},   // exactly the reference time counts as not below
    };
    EntryTable table;
    table.referenceLaps = 10;
    table.referenceTime = 1200000;
    table.entryCount = static_cast<std::int32_t>(std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        table.entries[i].laps = cases[i].laps;
        table.entries[i].raceTime = cases[i].raceTime;
    }
    scaleEntries(table);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(table.entries[i].rankLaps, cases[i].rankLaps) << "entry " << i;
        EXPECT_EQ(table.entries[i].rankTime, cases[i].rankTime) << "entry " << i;
    }
}

}  // namespace
}  // namespace league::duvessa
