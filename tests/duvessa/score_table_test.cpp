#include "duvessa/score_table.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace league::duvessa {
namespace {

TEST(ScoreTable, PointsForTheFirstTwentyPlacesOnly) {
    const struct {
        std::int32_t position;
        std::optional<std::int32_t> points;
    } cases[] = {
        {1, 50}, {2, 40}, {3, 33}, {4, 28}, {10, 11}, {11, 10}, {19, 2}, {20, 1},
        {21, std::nullopt}, {99, std::nullopt}, {0, std::nullopt}, {-1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pointsForPosition(c.position), c.points) << "position " << c.position;
    }
}

}  // namespace
}  // namespace league::duvessa
