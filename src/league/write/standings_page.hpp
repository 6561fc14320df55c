#pragma once
// index.html: the season's standings (position and change, number, rider, bike, a
// column per held round, points penalties, total, gap), the title fight, the tie
// footnotes, each class's standings with its own, the teams, the calendar, the
// penalties with their reasons, and the charts
// of the season.

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The tables of index.html, each computed once for every format that shows it.
struct SeasonTables {
    /// The overall standings (standingsTable) and the teams (teamsTable).
    Table riders;
    Table teams;
    /// Each class's standings, and the stem of its files and ids (classFileStems).
    std::vector<Table> classes;
    std::vector<std::string> classStems;
};

/// The page, or the fragment to paste into a website (without links): the overall
/// standings (unless the season hides them), each class's, the teams, the calendar, the
/// penalties and the charts.
std::string standingsPage(const SeasonResult& result, const SeasonTables& tables, PageVariant variant);

/// The fragment of one class's standings (standings-Pro_fragment.html).
std::string classStandingsFragment(const SeasonResult& result, std::size_t classIndex, const SeasonTables& tables);

}  // namespace league::season
