#pragma once
// The titles that League's pages, forum texts and charts give the season and its
// rounds, as plain text.

#include "league/standings/season_standings.hpp"

#include <cstddef>
#include <string>

namespace league::season {

/// "R1", "R2", ...: the short name of a held round, the head of its column.
std::string roundColumn(std::size_t heldNumber);

/// "Standings after round 3 of 4" (or that no round has been held yet).
std::string standingsSubtitle(const SeasonResult& result);

/// The title line of the forum texts: "Kestrel Bay Cup 2026 - standings after round 3 of 4".
std::string standingsTitle(const SeasonResult& result);

/// "Kestrel Bay Cup 2026 - round 1: Kestrel Bay (2026-03-14)".
std::string roundTitle(const SeasonResult& result, const HeldRound& round);

/// "Kestrel Bay Cup 2026 - round 1: Kestrel Bay (2026-03-14) - qualifying and grids".
std::string qualifyingTitle(const SeasonResult& result, const HeldRound& round);

}  // namespace league::season
