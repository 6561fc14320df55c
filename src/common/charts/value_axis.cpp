#include "common/charts/value_axis.hpp"

#include <algorithm>
#include <cmath>

namespace league::charts {

namespace {

constexpr std::int64_t kMostGridlines = 10;
// Values are held to this size, so that no step or edge can leave 64 bits.
constexpr std::int64_t kLargestValue = 1'000'000'000'000;
// The fences of the far-out rule: three interquartile ranges, and at least the
// smallest fence the caller gives.
constexpr double kFenceQuartileRanges = 3.0;

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
    return static_cast<double>(sorted[below]) + weight * static_cast<double>(sorted[above] - sorted[below]);
}

// The smallest step of the ladder, or of its continuation, at which the axis from
// `low` to `high` has at most kMostGridlines gridlines.
std::int64_t gridStep(std::int64_t low, std::int64_t high, std::span<const std::int64_t> ladder) {
    for (const std::int64_t step : ladder) {
        if (step > 0 && gridlineCount(low, high, step) <= kMostGridlines) {
            return step;
        }
    }
    for (std::int64_t scale = ladder.empty() || ladder.back() < 1 ? 1 : ladder.back();; scale *= 10) {
        for (const std::int64_t factor : {2, 5, 10}) {
            if (gridlineCount(low, high, factor * scale) <= kMostGridlines) {
                return factor * scale;
            }
        }
    }
}

}  // namespace

// The far-out rule. Q1 and Q3 are the lower and upper quartiles of all values. A value
// is far out when it lies beyond Q1 - F or Q3 + F, where F is three times the spread
// Q3 - Q1, but at least the smallest fence. Half the values lie between the
// quartiles, so a few values far away move them little and fall outside the fences,
// while values that are spread out widen the fences with them. The smallest fence
// keeps close values (or few values, whose quartiles lie close together) from losing
// ordinary ones to the edge.
ValueAxisRange valueAxisFor(std::vector<std::int64_t> values, std::span<const std::int64_t> ladder,
                            std::optional<std::int64_t> smallestFence) {
    std::int64_t low = 0;
    std::int64_t high = 0;
    if (!values.empty()) {
        for (std::int64_t& value : values) {
            value = std::clamp(value, -kLargestValue, kLargestValue);
        }
        std::sort(values.begin(), values.end());
        double lowerFence = static_cast<double>(values.front());
        double upperFence = static_cast<double>(values.back());
        if (smallestFence) {
            const double lowerQuartile = quantile(values, 0.25);
            const double upperQuartile = quantile(values, 0.75);
            const double fence = std::max(kFenceQuartileRanges * (upperQuartile - lowerQuartile),
                                          static_cast<double>(*smallestFence));
            lowerFence = lowerQuartile - fence;
            upperFence = upperQuartile + fence;
        }
        for (const std::int64_t value : values) {
            const auto shown = static_cast<double>(value);
            if (shown >= lowerFence && shown <= upperFence) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    ValueAxisRange range;
    range.step = gridStep(low, high, ladder);
    range.lowest = floorToStep(low, range.step);
    range.highest = ceilToStep(high, range.step);
    if (range.highest == range.lowest) {
        range.highest += range.step;
    }
    return range;
}

}  // namespace league::charts
