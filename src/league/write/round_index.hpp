#pragma once
// round-01/index.html: the pages of one held round's race night, linked: the combined
// classification, the qualifying and grids, each race analysis (or why it was left
// out), with the forum texts, CSV files and fragments beside them.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page (it has no fragment: it only links the others).
std::string roundIndexPage(const SeasonResult& result, const HeldRound& round);

}  // namespace league::season
