#include "quorrin/analysis/consistency.hpp"

#include <gtest/gtest.h>

namespace league::quorrin {
namespace {

TEST(Consistency, LapsNeededAreEightTenthsRoundedDown) {
    const struct {
        std::int32_t maxLap;
        std::int32_t lapsDone;
        bool listed;
    } cases[] = {{10, 8, true}, {10, 7, false}, {12, 9, true}, {12, 8, false}, {5, 4, true}, {5, 3, false},
                 {1, 1, false}, {2, 2, true}};
    for (const auto& c : cases) {
        RaceRecord race;
        race.startNumber[0] = 1;
        race.driverName[0] = "A";
        race.lapsDone[0] = c.lapsDone;
        race.maxLap = c.maxLap;
        race.driverCount = 1;
        EXPECT_EQ(computeConsistencyOrder(race, LapAverages{})[0] == 0, c.listed) << c.lapsDone << " of " << c.maxLap;
    }
}

}  // namespace
}  // namespace league::quorrin
