#pragma once
// round-01/index.html: the pages of one held round's race night, linked: the combined
// classification, the qualifying and grids, each race analysis (or why it was left
// out), with the forum texts, CSV files and fragments beside them.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

std::string roundIndexPage(const SeasonResult& result, const HeldRound& round);

/// The heading that every page of a round opens with: the season's title, the round,
/// what the page shows, and with `withLinks` the links to the round's index and to
/// the standings (a fragment pasted elsewhere has none).
void writeRoundHeading(std::string& page, const SeasonResult& result, const HeldRound& round, const std::string& shows,
                       bool withLinks);

}  // namespace league::season
