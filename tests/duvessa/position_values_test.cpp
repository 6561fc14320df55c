#include "duvessa/position_values.hpp"

#include "duvessa/scaling.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace league::duvessa {
namespace {

struct Row {
    std::int32_t laps;
    std::int32_t raceTime;
    std::int32_t raceNumber;
};

// Reads the rows as the run does, then scales and places them.
struct Classified {
    EntryTable table;
    Placement placement;
};

Classified classify(const std::vector<Row>& rows) {
    Classified classified;
    for (const Row& row : rows) {
        ExportRow exportRow;
        exportRow.laps = row.laps;
        exportRow.time = row.raceTime;
        EXPECT_TRUE(addEntry(classified.table, exportRow, row.raceNumber));
    }
    scaleEntries(classified.table);
    classified.placement = placeEntries(classified.table);
    return classified;
}

struct Expected {
    std::int32_t position;
    std::int32_t entry;
    bool fullDistance;
    std::int32_t missingLaps;
    std::int32_t averageLap;
    std::int32_t gapToFirst;
    bool showsGapToBefore;
    std::int32_t gapToBefore;
    std::optional<std::int32_t> points;
    bool grey;
};

void expectValues(const Classified& classified, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        ASSERT_EQ(classified.placement.entryAt(e.position), e.entry) << "position " << e.position;
        const PositionValues v = positionValues(classified.table, classified.placement, e.position);
        EXPECT_EQ(v.fullDistance, e.fullDistance) << "position " << e.position;
        if (e.fullDistance) {
            EXPECT_EQ(v.missingLaps, e.missingLaps) << "position " << e.position;
            EXPECT_EQ(v.averageLap, e.averageLap) << "position " << e.position;
            EXPECT_EQ(v.gapToFirst, e.gapToFirst) << "position " << e.position;
        }
        EXPECT_EQ(v.showsGapToBefore, e.showsGapToBefore) << "position " << e.position;
        if (e.showsGapToBefore) {
            EXPECT_EQ(v.gapToBefore, e.gapToBefore) << "position " << e.position;
        }
        EXPECT_EQ(v.points, e.points) << "position " << e.position;
        EXPECT_EQ(v.grey, e.grey) << "position " << e.position;
    }
}

TEST(PositionValues, TwoGridsWithLappedEarlyStoppedAndSlowRiders) {
    const Classified classified = classify({
        {10, 1200000, 1},  // 0: winner of the first grid
        {9, 1230000, 1},   // 1: lapped, scaled to 1366666
        {5, 600000, 1},    // 2: stopped early, below the reference time
        {10, 1438800, 1},  // 3: exactly 20 % behind: not greyed
        {10, 1438801, 1},  // 4: more than 20 % behind: greyed, still scores
        {10, 1199000, 2},  // 5: winner of the second grid sets the reference time
    });
    EXPECT_EQ(classified.table.referenceLaps, 10);
    EXPECT_EQ(classified.table.referenceTime, 1199000);
    expectValues(classified, {
        //  pos entry full  miss  average  first   before?  before   points  grey
        {1, 5, true, 0, 119900, 0, false, 0, 50, false},
        {2, 0, true, 0, 120000, 1000, true, 1000, 40, false},
        {3, 1, true, 1, 136666, 167666, true, 166666, 33, false},
        {4, 3, true, 0, 143880, 239800, true, 72134, 28, false},
        {5, 4, true, 0, 143880, 239801, true, 1, 24, true},
        {6, 2, false, 0, 0, 0, false, 0, std::nullopt, true},
    });
}

TEST(PositionValues, RiderOfALongerRaceAheadOfTheReference) {
    const Classified classified = classify({
        {10, 1200000, 1},  // 0: reference
        {12, 1428000, 2},  // 1: two laps more, scaled down to 1190000
        {12, 1100000, 2},  // 2: below the reference time: keeps 12 laps, no points
    });
    expectValues(classified, {
        {1, 2, false, 0, 0, 0, false, 0, std::nullopt, true},
        {2, 1, true, -2, 119000, -10000, false, 0, 40, false},
        {3, 0, true, 0, 120000, 0, false, 0, 33, false},
    });
}

TEST(PositionValues, FirstPlaceBehindTheReferenceIsComparedWithEntryZero) {
    // Not reachable from exports, where the reference rider always ranks at the
    // reference time; set up by hand to pin the stand-in of the first position.
    EntryTable table;
    table.entryCount = 2;
    table.referenceLaps = 10;
    table.referenceTime = 1000000;
    table.entries[0] = MergeEntry{1, "", "", 10, 1300000, 1, 10, 1300000};
    table.entries[1] = MergeEntry{2, "", "", 10, 1250000, 2, 10, 1250000};
    const Classified classified{table, placeEntries(table)};
    expectValues(classified, {
        {1, 1, true, 0, 125000, 250000, true, -50000, 50, true},
        {2, 0, true, 0, 130000, 300000, true, 50000, 40, true},
    });
}

TEST(PositionValues, GapsOfFarApartTimesAreHeldToThirtyTwoBits) {
    EntryTable table;
    table.entryCount = 2;
    table.referenceLaps = 1;
    table.referenceTime = -2000000000;
    table.entries[0] = MergeEntry{1, "", "", 1, -2000000000, 1, 1, -2000000000};
    table.entries[1] = MergeEntry{2, "", "", 1, 2000000000, 1, 1, 2000000000};
    // The second rider's time lies above kNoTime, so build the placement by hand.
    Placement placement;
    placement.positionCount = 2;
    placement.entryAtPosition[0] = 0;
    placement.entryAtPosition[1] = 1;
    const PositionValues values = positionValues(table, placement, 2);
    EXPECT_EQ(values.gapToFirst, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(values.gapToBefore, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(values.grey);
}

}  // namespace
}  // namespace league::duvessa
