#include "omblen/grid_plan.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace league::omblen {
namespace {

TEST(PlanGrids, DividesTheFieldIntoGridsAsEqualAsPossibleLargerFirst) {
    const struct {
        std::int32_t entryCount;
        std::int32_t maxDriversInGrid;
        std::vector<std::int32_t> sizes;
    } cases[] = {
        {25, 10, {9, 8, 8}},
        {20, 10, {10, 10}},
        {21, 10, {7, 7, 7}},
        {5, 10, {5}},
        {10, 10, {10}},
        {11, 10, {6, 5}},
        {5, 2, {2, 2, 1}},
        {1, 1, {1}},
        {3, 1, {1, 1, 1}},
        {99, 40, {33, 33, 33}},
        {99, std::numeric_limits<std::int32_t>::max(), {99}},
        {0, 2, {0}},
        {0, 1, {}},
    };
    for (const auto& c : cases) {
        const GridPlan plan = planGrids(c.entryCount, c.maxDriversInGrid);
        std::vector<std::int32_t> sizes;
        for (std::int32_t grid = 1; grid <= plan.gridCount; ++grid) {
            sizes.push_back(plan.sizeOf(grid));
        }
        EXPECT_EQ(sizes, c.sizes) << c.entryCount << " entries, at most " << c.maxDriversInGrid;
    }
}

}  // namespace
}  // namespace league::omblen
