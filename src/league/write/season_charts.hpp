#pragma once
// The two charts of index.html, drawn with the common chart module: every rider's
// points after each held round, and their standing after each held round, with a
// legend of the riders in the order of the standings.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// Appends the charts section (nothing before the first held round).
void writeSeasonCharts(std::string& page, const SeasonResult& result);

}  // namespace league::season
