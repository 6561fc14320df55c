#include "omblen/table_pieces.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace league::omblen {
namespace {

TEST(TimeDifference, StaysWithinThirtyTwoBitsForTimesFarApart) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int32_t later;
        std::int32_t earlier;
        std::int32_t difference;
    } cases[] = {
        {91500, 90000, 1500},
        {90000, 95000, -5000},
        {9999999, kMin, kMax},
        {kMin, 9999999, kMin},
        {kMax, -1, kMax},
        {-2, kMax, kMin},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(timeDifference(c.later, c.earlier), c.difference) << c.later << " - " << c.earlier;
    }
}

}  // namespace
}  // namespace league::omblen
