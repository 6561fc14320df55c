#include "common/charts/value_axis.hpp"

#include <gtest/gtest.h>

namespace league::charts {
namespace {

// `count` gaps spread evenly from `first` to `last` milliseconds.
std::vector<std::int64_t> field(std::int64_t first, std::int64_t last, std::int64_t count) {
    std::vector<std::int64_t> gaps;
    for (std::int64_t i = 0; i < count; ++i) {
        gaps.push_back(first + (last - first) * i / (count - 1));
    }
    return gaps;
}

// Gaps in milliseconds with the steps of a clock: 1, 2, 5, 10, 20 and 30 seconds, a
// minute; far out beyond at least 10 seconds.
const std::vector<std::int64_t> kSecondSteps = {1000, 2000, 5000, 10000, 20000, 30000, 60000};
constexpr std::int64_t kTenSeconds = 10000;

ValueAxisRange gapAxisFor(std::vector<std::int64_t> gaps) {
    return valueAxisFor(std::move(gaps), kSecondSteps, kTenSeconds);
}

std::vector<std::int64_t> with(std::vector<std::int64_t> gaps, std::initializer_list<std::int64_t> more) {
    gaps.insert(gaps.end(), more);
    return gaps;
}

TEST(ValueAxis, StepIsTheSmallestRoundStepThatGivesAtMostTenGridlines) {
    const struct {
        std::vector<std::int64_t> gaps;
        std::int64_t ahead;
        std::int64_t behind;
        std::int64_t step;
    } cases[] = {
        {{}, 0, 1000, 1000},  // no gaps: the zero line and one step below it
        {{0, 4000}, 0, 4000, 1000},
        {{0, 9000}, 0, 9000, 1000},
        {{0, 9001}, 0, 10000, 2000},
        {{-3500, 12000}, -4000, 12000, 2000},
        {{2000, 45000}, 0, 45000, 5000},  // the axis always holds the zero line
        {{0, 45001}, 0, 50000, 10000},
        {{-100000, 0}, -100000, 0, 20000},
        {{0, 250000}, 0, 270000, 30000},
        {{0, 500000}, 0, 540000, 60000},
        {{0, 600001}, 0, 720000, 120000},
        {{0, 9'000'000'000'000}, 0, 1'080'000'000'000, 120'000'000'000},  // held to a thousand million seconds
    };
    for (const auto& c : cases) {
        const ValueAxisRange axis = gapAxisFor(c.gaps);
        EXPECT_EQ(axis.step, c.step) << c.gaps.back();
        EXPECT_EQ(axis.lowest, c.ahead) << c.gaps.back();
        EXPECT_EQ(axis.highest, c.behind) << c.gaps.back();
    }
    // From a step of 2 s on, a chart shows 5 to 10 gridlines, whatever its span.
    for (std::int64_t behind = 1000; behind <= 2'000'000; behind += 700) {
        const ValueAxisRange axis = gapAxisFor({-behind / 3, behind});
        const std::int64_t gridlines = (axis.highest - axis.lowest) / axis.step + 1;
        EXPECT_LE(gridlines, 10) << behind;
        EXPECT_TRUE(axis.step == 1000 || gridlines >= 5) << behind << " step " << axis.step;
    }
}

TEST(ValueAxis, GapsFarBeyondTheQuartilesFallOutsideTheAxis) {
    // A gap is far out beyond three interquartile ranges, and at least 10 s, from the
    // nearer quartile; the axis spans the others.
    // A close field: ten gaps of 0 and ten of 1 s, whose quartiles stay 0 and 1 s with
    // one more gap at either end.
    std::vector<std::int64_t> closeField(10, 0);
    closeField.resize(20, 1000);
    const struct {
        const char* name;
        std::vector<std::int64_t> gaps;
        std::int64_t ahead;
        std::int64_t behind;
    } cases[] = {
        {"a crashed rider 90 s down, the rest within 10 s", with(field(0, 10000, 20), {90000, 95000}), 0, 10000},
        {"one far ahead of the pace", with(field(0, 10000, 20), {-60000}), 0, 10000},
        {"a field spread out keeps its last riders", with(field(0, 40000, 20), {90000, 95000}), 0, 100000},
        {"within 10 s of a close field's quartile", with(closeField, {11000}), 0, 12000},
        {"beyond 10 s of a close field's quartile", with(closeField, {11001}), 0, 1000},
        {"ahead within 10 s of a close field's quartile", with(closeField, {-10000}), -10000, 2000},
        {"ahead beyond 10 s of a close field's quartile", with(closeField, {-10001}), 0, 1000},
    };
    for (const auto& c : cases) {
        const ValueAxisRange axis = gapAxisFor(c.gaps);
        EXPECT_EQ(axis.lowest, c.ahead) << c.name;
        EXPECT_EQ(axis.highest, c.behind) << c.name;
    }
}

TEST(ValueAxis, WithoutAFenceEveryValueIsInsideAndPlainNumbersTakeDecimalSteps) {
    const struct {
        std::vector<std::int64_t> points;
        std::int64_t highest;
        std::int64_t step;
    } cases[] = {
        {{0, 7}, 7, 1},
        {{0, 25, 36}, 40, 5},
        {{3, 96, 1000}, 1000, 200},
        {{0, 2400}, 2500, 500},
    };
    for (const auto& c : cases) {
        const ValueAxisRange axis = valueAxisFor(c.points, kDecimalSteps, std::nullopt);
        EXPECT_EQ(axis.lowest, 0) << c.points.back();
        EXPECT_EQ(axis.highest, c.highest) << c.points.back();
        EXPECT_EQ(axis.step, c.step) << c.points.back();
    }
}

}  // namespace
}  // namespace league::charts
