#pragma once
// The words about an analysed race that the console, the round's pages and season.json
// share: the race in a few words, and why a race is left out.

#include "league/night/race_analysis.hpp"

#include <string>

namespace league::season {

/// An analysed race in a few words: "Kestrel Bay Circuit, 20 riders, 12 laps".
std::string raceSummary(const AnalysedRace& race);

/// Why the race is left out: "the export does not fit the replay: the export gives #68
/// Dario Fenelli 12 laps, the replay 11; a split may mend it: "cup_race #68 lap 7"
/// (3:10.011, best lap 1:34.091)".
std::string leftOutText(const LeftOut& leftOut);

}  // namespace league::season
