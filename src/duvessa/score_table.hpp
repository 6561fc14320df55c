#pragma once
// The points of the first twenty places.

#include <array>
#include <cstdint>
#include <optional>

namespace league::duvessa {

inline constexpr std::int32_t kScoredPositions = 20;

/// Points for positions 1 to 20 (element 0 is position 1).
inline constexpr std::array<std::int32_t, kScoredPositions> scoreTable = {
    50, 40, 33, 28, 24, 21, 18, 15, 13, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1,
};

/// The points of a position; none from position 21 on.
std::optional<std::int32_t> pointsForPosition(std::int32_t position);

}  // namespace league::duvessa
