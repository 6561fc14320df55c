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

}  // namespace
}  // namespace league
