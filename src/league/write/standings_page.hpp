#pragma once
// index.html: the season's standings (position and change, number, rider, bike, a
// column per held round, points penalties, total, gap), the tie footnotes, the teams,
// the calendar, the penalties with their reasons, and the charts of the season.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page, or with `asFragment` the fragment to paste into a website (without links).
std::string standingsPage(const SeasonResult& result, bool asFragment = false);

}  // namespace league::season
