#include "common/charts/race_charts.hpp"

#include <gtest/gtest.h>

namespace league::charts {
namespace {

// A gap's tooltip: signed seconds with three decimals, ahead of the pace below zero; a
// lap without a gap has no point.
TEST(RaceCharts, GapTooltipsAreSignedSecondsWithThreeDecimals) {
    const struct {
        std::optional<std::int64_t> gap;
        std::string tooltip;
    } cases[] = {
        {4498, "Lap 1: #7 Ann, +4.498 s"},   {-500, "Lap 1: #7 Ann, -0.500 s"},
        {0, "Lap 1: #7 Ann, 0.000 s"},       {-61005, "Lap 1: #7 Ann, -61.005 s"},
        {95000, "Lap 1: #7 Ann, +95.000 s"}, {std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const RaceLines race{"Ring", 1, {{7, "Ann", {}, false, 1, {1}, {c.gap}}}, {0}};
        const LineChart chart = gapChartOf(race);
        ASSERT_EQ(chart.series.size(), 1U);
        EXPECT_EQ(chart.series[0].tooltips, std::vector<std::string>{c.tooltip});
        EXPECT_EQ(chart.series[0].values[0], c.gap);
    }
}

}  // namespace
}  // namespace league::charts
