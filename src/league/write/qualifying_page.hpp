#pragma once
// round-01/qualifying.html: a round's qualifying exports merged into one classification
// by best lap, each rider's session and new grid, the grids marked; and the same as a
// fragment to paste into a website.

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page or the fragment (without links to the other pages) of the round's
/// qualifying, whose table is `qualifying` (see qualifyingTable).
std::string qualifyingPage(const SeasonResult& result, const HeldRound& round, const Table& qualifying,
                           PageVariant variant);

}  // namespace league::season
