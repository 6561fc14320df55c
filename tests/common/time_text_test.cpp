#include "common/time_text.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace league {
namespace {

TEST(TimeText, LapTimeTexts) {
    const struct {
        std::int32_t ms;
        const char* text;
    } cases[] = {
        {83456, "1:23.456"},   {65007, "1:05.007"}, {9050, "9.050"},         {600000, "10:00.000"},
        {3600000, "60:00.000"}, {0, "0.000"},        {5, "0.005"},           {50, "0.050"},
        {59999, "59.999"},      {60000, "1:00.000"}, {-877, "-0.877"},       {-61000, "-1:01.000"},
        {-5, "-0.005"},         {std::numeric_limits<std::int32_t>::max(), "35791:23.647"},
        {std::numeric_limits<std::int32_t>::min(), "-35791:23.648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatLapTime(c.ms), c.text) << c.ms;
    }
}

TEST(TimeText, GapTextsAreBehindWithMinusAndAheadWithPlus) {
    const struct {
        std::int32_t ms;
        const char* text;
    } cases[] = {
        {1234, "-1.234"}, {61000, "-1:01.000"}, {0, "-0.000"}, {-1234, "+1.234"}, {-61000, "+1:01.000"},
        {std::numeric_limits<std::int32_t>::min(), "+35791:23.648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTimeGap(c.ms), c.text) << c.ms;
    }
}

TEST(TimeText, TimeDifferenceStaysWithinThirtyTwoBitsForTimesFarApart) {
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
}  // namespace league
