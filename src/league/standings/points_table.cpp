#include "league/standings/points_table.hpp"

#include "duvessa/score_table.hpp"

namespace league::season {

std::vector<std::int32_t> pointsTable(const SeasonFile& season) {
    if (!season.points.empty()) {
        return season.points;
    }
    return std::vector<std::int32_t>(duvessa::scoreTable.begin(), duvessa::scoreTable.end());
}

std::int32_t pointsForPlace(const std::vector<std::int32_t>& table, std::int32_t place) {
    if (place < 1 || static_cast<std::size_t>(place) > table.size()) {
        return 0;
    }
    return table[static_cast<std::size_t>(place - 1)];
}

}  // namespace league::season
