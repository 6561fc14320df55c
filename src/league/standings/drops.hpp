#pragma once
// Drop-worst rounds: once more rounds have been held than the season drops, each
// rider's lowest round scores among the rounds that may be dropped do not count.

#include <cstdint>
#include <vector>

namespace league::season {

/// Which of a rider's round scores (one per held round, 0 for a missed round) are
/// dropped: the `dropWorst` lowest among the rounds without `keep`, the earlier round
/// between equal scores; none while no more rounds than `dropWorst` have been held.
std::vector<bool> droppedRounds(const std::vector<std::int32_t>& scores, const std::vector<bool>& keep,
                                std::int32_t dropWorst);

}  // namespace league::season
