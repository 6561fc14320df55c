#pragma once
// round-01.html, ...: one held round's races, each classified with the points it gave,
// the round's total per rider when it has several races, the pole, and the penalties
// applied and shown ("+5 s: Causing a collision in turn 4").

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The page, or the fragment to paste into a website (without links), of the round
/// whose tables are `tables` (see roundTables).
std::string roundPage(const SeasonResult& result, const HeldRound& round, const std::vector<Table>& tables,
                      PageVariant variant);

/// The pole line: "Pole: #7 Tomas Verhal, 1:33.400 in qualifying Grid 1 (1 point)"; ""
/// for none.
std::string poleText(const SeasonResult& result, const HeldRound& round);

/// How the race's grids were brought together: "Grid 1 and Grid 2 in one
/// classification: every time brought to the 10 laps of Grid 1 by the rider's average
/// lap (Grid 2 ran 8 laps). ..."
std::string raceNote(const ClassifiedRace& race);

}  // namespace league::season
