#pragma once
// The points a place of a round's combined classification gives.

#include "league/read/season_file.hpp"

#include <cstdint>
#include <vector>

namespace league::season {

/// The season's points of places 1, 2, ...: its own table, or by default the one of
/// Duvessa's page (50, 40, 33, 28, ... 1 for the first twenty).
std::vector<std::int32_t> pointsTable(const SeasonFile& season);

/// The points of `place` (from 1) in `table`; none beyond its end.
std::int32_t pointsForPlace(const std::vector<std::int32_t>& table, std::int32_t place);

}  // namespace league::season
