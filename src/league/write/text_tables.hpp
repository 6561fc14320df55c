#pragma once
// The season's tables, each computed once for every format that shows it: the
// standings, the teams, a round's classification, and the qualifying with its grids.
// The page, the forum text and the CSV file render the same rows (table_model).

#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace league::season {

/// "3" or "3=" for a shared position.
std::string positionText(std::int32_t position, bool shared);

/// The riders of a standings table and their standings after each held round: the
/// season's overall standings, or a class's.
struct RiderStandings {
    const std::vector<RiderSeason>& riders;
    const std::vector<Standings>& after;

    const Standings& final() const { return after.back(); }
};

/// The season's overall standings, and a class's.
RiderStandings overallStandings(const SeasonResult& result);
RiderStandings standingsOf(const ClassStandings& riderClass);

/// The standings: position and change, number, rider, bike, a column per held round
/// (the score with the place and the pole below it on the page), points penalties,
/// total, gap.
Table standingsTable(const SeasonResult& result, const RiderStandings& standings);

/// The teams, with a column per held round; no rows when the season has no teams.
Table teamsTable(const SeasonResult& result);

/// A scored race's classification with the points it gave and the penalties, captioned
/// with the race's name when the round has several races; with classes, each rider's
/// class and place in it beside the place.
Table raceTable(const SeasonResult& result, const HeldRound& round, const ClassifiedRace& race);

/// The round's score of every rider who rode it or took its pole: the points of each
/// race (the place below them on the page), the pole's, and their sum; highest first.
Table roundTotalTable(const SeasonResult& result, const HeldRound& round);

/// Each race's table, then the round's total when the round has several races.
std::vector<Table> roundTables(const SeasonResult& result, const HeldRound& round);

/// The qualifying classification with each rider's session and new grid (and class,
/// with classes); on the page the first row of each grid after the first is marked.
Table qualifyingTable(const QualifyingGrids& grids, bool withClasses);

/// The rows of `qualifying`, the table of `grids`, as one table per grid, captioned
/// "Grid 1 - 9 riders", then the riders without a place (one table when the field is
/// not divided).
std::vector<Table> gridTables(const QualifyingGrids& grids, const Table& qualifying);

}  // namespace league::season
