#pragma once
// index.html: the season's standings (position and change, number, rider, bike, a
// column per held round, points penalties, total, gap), the title fight, the tie
// footnotes, the teams, the calendar, the penalties with their reasons, and the charts
// of the season.

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page, or the fragment to paste into a website (without links), with the
/// standings `riders` and the teams `teams` (see standingsTable and teamsTable).
std::string standingsPage(const SeasonResult& result, const Table& riders, const Table& teams, PageVariant variant);

}  // namespace league::season
