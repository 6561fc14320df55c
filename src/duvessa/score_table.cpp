#include "duvessa/score_table.hpp"

namespace league::duvessa {

std::optional<std::int32_t> pointsForPosition(std::int32_t position) {
    if (position < 1 || position > kScoredPositions) {
        return std::nullopt;
    }
    return scoreTable[static_cast<std::size_t>(position - 1)];
}

}  // namespace league::duvessa
