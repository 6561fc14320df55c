#include "quorrin/gap_axis.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace league::quorrin {

namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::array<std::int64_t, 7> kRoundSteps{1 * kSecond,  2 * kSecond,  5 * kSecond, 10 * kSecond,
                                                  20 * kSecond, 30 * kSecond, kMinute};
constexpr std::int64_t kMostGridlines = 10;
// Gaps are held to a few decades, so that no step or edge can leave 64 bits.
constexpr std::int64_t kLargestGap = 1'000'000'000'000;
// The fences of the far-out rule: three interquartile ranges, and at least this.
constexpr double kFenceQuartileRanges = 3.0;
constexpr double kSmallestFence = 10.0 * kSecond;

// Rounded down and up to whole steps (C's division truncates toward zero).
std::int64_t floorToStep(std::int64_t value, std::int64_t step) {
    const std::int64_t whole = value / step * step;
    return whole > value ? whole - step : whole;
}

std::int64_t ceilToStep(std::int64_t value, std::int64_t step) {
    const std::int64_t whole = value / step * step;
    return whole < value ? whole + step : whole;
}

std::int64_t gridlineCount(std::int64_t low, std::int64_t high, std::int64_t step) {
    return (ceilToStep(high, step) - floorToStep(low, step)) / step + 1;
}

// The quantile at `fraction` of sorted values, interpolated between the two nearest.
double quantile(const std::vector<std::int64_t>& sorted, double fraction) {
    const double index = fraction * static_cast<double>(sorted.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(index));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = index - static_cast<double>(below);
    return static_cast<double>(sorted[below]) +
           weight * static_cast<double>(sorted[above] - sorted[below]);
}

// The smallest round step at which the axis from `low` to `high` has at most
// kMostGridlines gridlines.
std::int64_t gridStep(std::int64_t low, std::int64_t high) {
    for (const std::int64_t step : kRoundSteps) {
        if (gridlineCount(low, high, step) <= kMostGridlines) {
            return step;
        }
    }
    // Beyond a minute: 2, 5 and 10 minutes, then the same times 10, 100, ...
    for (std::int64_t scale = kMinute;; scale *= 10) {
        for (const std::int64_t factor : {2, 5, 10}) {
            if (gridlineCount(low, high, factor * scale) <= kMostGridlines) {
                return factor * scale;
            }
        }
    }
}

}  // namespace

// The far-out rule. Q1 and Q3 are the lower and upper quartiles of all gaps of the
// race (every rider, every lap). A gap is far out when it lies beyond Q1 - F or
// Q3 + F, where F is three times the spread Q3 - Q1, but at least 10 seconds. Half
// the gaps lie between the quartiles, so a few crashed or lapped riders move them
// little and fall outside the fences, while a field that is spread out widens the
// fences with it. The 10 seconds keep a close race (or one with few gaps, whose
// quartiles lie close together) from losing ordinary gaps to the edge.
GapAxis gapAxisFor(std::vector<std::int64_t> gaps) {
    std::int64_t low = 0;
    std::int64_t high = 0;
    if (!gaps.empty()) {
        for (std::int64_t& gap : gaps) {
            gap = std::clamp(gap, -kLargestGap, kLargestGap);
        }
        std::sort(gaps.begin(), gaps.end());
        const double lowerQuartile = quantile(gaps, 0.25);
        const double upperQuartile = quantile(gaps, 0.75);
        const double fence = std::max(kFenceQuartileRanges * (upperQuartile - lowerQuartile), kSmallestFence);
        for (const std::int64_t gap : gaps) {
            const auto value = static_cast<double>(gap);
            if (value >= lowerQuartile - fence && value <= upperQuartile + fence) {
                low = std::min(low, gap);
                high = std::max(high, gap);
            }
        }
    }
    GapAxis axis;
    axis.step = gridStep(low, high);
    axis.ahead = floorToStep(low, axis.step);
    axis.behind = ceilToStep(high, axis.step);
    if (axis.behind == axis.ahead) {
        axis.behind += axis.step;
    }
    return axis;
}

}  // namespace league::quorrin
