#pragma once
// round-01.html, ...: one held round's combined classification with the points it gave,
// the penalties applied and shown ("+5 s: Causing a collision in turn 4"), and the pole.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page, or with `asFragment` the fragment to paste into a website (without links).
std::string roundPage(const SeasonResult& result, const HeldRound& round, bool asFragment = false);

/// The pole line: "Pole: #7 Tomas Verhal, 1:33.400 in practice_g1 (1 point)"; "" for none.
std::string poleText(const SeasonResult& result, const HeldRound& round);

}  // namespace league::season
