#include "league/standings/drops.hpp"

#include <algorithm>

namespace league::season {

std::vector<bool> droppedRounds(const std::vector<std::int32_t>& scores, const std::vector<bool>& keep,
                                std::int32_t dropWorst) {
    std::vector<bool> dropped(scores.size(), false);
    if (dropWorst <= 0 || scores.size() <= static_cast<std::size_t>(dropWorst)) {
        return dropped;
    }
    std::vector<std::size_t> droppable;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        if (!keep[i]) {
            droppable.push_back(i);
        }
    }
    // Lowest first, equal scores in round order, earlier first; only the dropped ones
    // need to be in order.
    const std::size_t count = std::min(droppable.size(), static_cast<std::size_t>(dropWorst));
    std::partial_sort(droppable.begin(), droppable.begin() + static_cast<std::ptrdiff_t>(count), droppable.end(),
                      [&](std::size_t a, std::size_t b) { return scores[a] != scores[b] ? scores[a] < scores[b] : a < b; });
    for (std::size_t i = 0; i < count; ++i) {
        dropped[droppable[i]] = true;
    }
    return dropped;
}

}  // namespace league::season
