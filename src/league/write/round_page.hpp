#pragma once
// round-01.html, ...: one held round's combined classification with the points it gave,
// the penalties applied and shown ("+5 s: Causing a collision in turn 4"), and the pole.

#include "league/write/page_variant.hpp"
#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

/// The page, or the fragment to paste into a website (without links), of the round
/// whose classification is `classification` (see roundTable).
std::string roundPage(const SeasonResult& result, const HeldRound& round, const Table& classification,
                      PageVariant variant);

/// The pole line: "Pole: #7 Tomas Verhal, 1:33.400 in practice_g1 (1 point)"; "" for none.
std::string poleText(const SeasonResult& result, const HeldRound& round);

}  // namespace league::season
