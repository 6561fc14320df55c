#pragma once
// The vertical axis of the gap chart: which gaps it shows in full and where its
// labelled gridlines go. Gaps are milliseconds behind the winner's average pace,
// negative when ahead of it; "ahead" is at the top of the chart.

#include <cstdint>
#include <vector>

namespace league::quorrin {

struct GapAxis {
    /// The gap at the top edge: a whole number of steps, 0 or less.
    std::int64_t ahead = 0;
    /// The gap at the bottom edge: a whole number of steps, above `ahead`.
    std::int64_t behind = 0;
    /// The distance between two gridlines: the smallest of 1, 2, 5, 10, 20, 30 and 60
    /// seconds (then 2, 5 and 10 minutes, times powers of ten, for absurd gaps) at
    /// which the axis has at most 10 gridlines, so that it shows about 5 to 10.
    std::int64_t step = 0;
};

/// The axis for all gaps of a race: it spans 0 and every gap that is not far out (see
/// the rule in gap_axis.cpp), widened to whole steps. A gap beyond the axis is drawn
/// at the chart's edge, so that one crashed rider does not squash everyone else.
GapAxis gapAxisFor(std::vector<std::int64_t> gaps);

}  // namespace league::quorrin
