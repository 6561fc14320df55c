#pragma once
// The tables of a race analysis page, from Quorrin's analysis of the race: the final
// result with the position board, the fastest laps, consistency, the development of the
// fastest lap, and every lap time shaded by its distance to the rider's best. They
// render the analysis and compute nothing.

#include "league/standings/season_standings.hpp"

#include "common/report_writer.hpp"

namespace league::season {

/// Writes every table of the analysed `race` with its heading and note.
void writeRaceAnalysisTables(ReportWriter& page, const AnalysedRace& race);

}  // namespace league::season
