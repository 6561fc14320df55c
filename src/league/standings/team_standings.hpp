#pragma once
// Team standings: a team's round score is the sum of its riders' round scores, its
// total the sum of those (no drops), ordered like the riders.

#include "league/read/season_file.hpp"
#include "league/standings/rider_identity.hpp"
#include "league/standings/season_standings.hpp"

#include <string>
#include <vector>

namespace league::season {

/// A team that lists a rider twice, or a rider in two teams: the message, else empty.
std::string checkTeams(const SeasonFile& season, const RiderNames& names, const std::string& seasonFileName);

/// A warning for every rider that a team lists and that matches no rider of the held
/// rounds of `result`, whose name may be misspelt; none while no round is held.
std::vector<std::string> unknownTeamRiders(const SeasonFile& season, const RiderNames& names,
                                           const SeasonResult& result, const std::string& seasonFileName);

/// The teams of `season` ordered by their totals over `result`'s riders and held rounds;
/// the ties that countback or the later round decided add their footnotes.
std::vector<TeamRow> teamStandings(const SeasonFile& season, const RiderNames& names, const SeasonResult& result,
                                   std::vector<std::string>& footnotes);

}  // namespace league::season
