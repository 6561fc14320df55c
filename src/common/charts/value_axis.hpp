#pragma once
// A numeric axis with round steps: which values it shows in full and where its
// labelled gridlines go. The steps come from a ladder given by the chart's user
// (seconds, points, ...), so that gridlines fall on numbers a reader expects.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace league::charts {

/// 1, 2, 5 and 10, continued as 20, 50, 100, 200, ...: plain numbers such as points.
inline constexpr std::int64_t kDecimalSteps[] = {1, 2, 5, 10};

struct ValueAxisRange {
    /// The smallest value shown in full: a whole number of steps, 0 or less.
    std::int64_t lowest = 0;
    /// The largest value shown in full: a whole number of steps, above `lowest`.
    std::int64_t highest = 0;
    /// The distance between two gridlines: the smallest step of the ladder at which the
    /// axis has at most 10 gridlines, so that it shows about 5 to 10.
    std::int64_t step = 0;
};

/// The axis for `values`: it spans 0 and every value that is not far out, widened to
/// whole steps. `ladder` lists the round steps, smallest first; beyond its last one
/// the steps go on as 2, 5 and 10 times it, then the same times 10, 100, ... With a
/// `smallestFence`, values far out (see the rule in value_axis.cpp) are left out of
/// the range, so that one value far away does not squash all the others; without
/// one, every value is inside.
ValueAxisRange valueAxisFor(std::vector<std::int64_t> values, std::span<const std::int64_t> ladder,
                            std::optional<std::int64_t> smallestFence);

}  // namespace league::charts
