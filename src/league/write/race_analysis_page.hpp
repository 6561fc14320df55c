#pragma once
// round-01/cup_race_analysis.html: the race tables of Quorrin's analysis of one race
// (the final result with the position board, the fastest laps, consistency, the
// development of the fastest lap, every lap time shaded by its distance to the rider's
// best) and the position and gap charts, on a page that fits a column of 1000 pixels;
// and the same as a fragment to paste into a website. It renders the analysis and
// computes nothing.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

struct RaceAnalysisPages {
    std::string page;
    /// Without links to the other pages.
    std::string fragment;
};

/// The page and the fragment of an analysed race. `pageStem` is the page's path below
/// the output folder without ".html" ("round-01/cup_race_analysis"): the ids of its
/// elements start with it ('/' as '-'), so that the fragments of several races can be
/// pasted into one web page.
RaceAnalysisPages raceAnalysisPages(const SeasonResult& result, const HeldRound& round, const AnalysedRace& race,
                                    const std::string& pageStem);

}  // namespace league::season
