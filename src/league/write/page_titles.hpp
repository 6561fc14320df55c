#pragma once
// The titles that League's pages, forum texts and charts give the season and its
// rounds, as plain text.

#include "league/standings/season_standings.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace league::season {

/// "R1", "R2", ...: the short name of a held round, the head of its column.
std::string roundColumn(std::size_t heldNumber);

/// "Grid 2": a race export or a qualifying export by its place among its race's or the
/// round's (from 1), as the public pages name it.
std::string gridName(std::int32_t number);

/// Where a race export stands in its round: its scored race's name, with "Grid 2" when
/// the race has several grids ("Sprint, Grid 2"); the export's own name when no race of
/// the round holds it.
std::string exportPlace(const HeldRound& round, const std::string& exportName);

/// The name of a race analysis on the public pages: the place of its export in the
/// round (exportPlace), or the track's name when the analysed race is none of the
/// round's races.
std::string analysisName(const HeldRound& round, const AnalysedRace& race);

/// "Standings after round 3 of 4" (or that no round has been held yet).
std::string standingsSubtitle(const SeasonResult& result);

/// The title line of the forum texts: "Kestrel Bay Cup 2026 - standings after round 3 of 4".
std::string standingsTitle(const SeasonResult& result);

/// "Kestrel Bay Cup 2026 - round 1: Kestrel Bay (2026-03-14)".
std::string roundTitle(const SeasonResult& result, const HeldRound& round);

/// "Kestrel Bay Cup 2026 - round 1: Kestrel Bay (2026-03-14) - qualifying and grids".
std::string qualifyingTitle(const SeasonResult& result, const HeldRound& round);

}  // namespace league::season
