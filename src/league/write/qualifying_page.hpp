#pragma once
// round-01/qualifying.html: a round's qualifying exports merged into one classification
// by best lap, each rider's session and new grid, the grids marked; and the same as a
// fragment to paste into a website.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page, or with `asFragment` the fragment (without links to the other pages).
std::string qualifyingPage(const SeasonResult& result, const HeldRound& round, bool asFragment);

}  // namespace league::season
