#pragma once
// Team standings: a team's round score is the sum of its riders' round scores, its
// total the sum of those (no drops), ordered like the riders.

#include "league/read/season_file.hpp"
#include "league/read/rider_names.hpp"
#include "league/read/season_mistake.hpp"
#include "league/standings/season_standings.hpp"

#include "common/result.hpp"

#include <string>
#include <vector>

namespace league::season {

/// Checks that no team lists a rider twice and no rider is in two teams.
Result<void, SeasonMistake> checkTeams(const SeasonFile& season, const RiderNames& names);

/// Checks that every team's penalty names a team of [teams].
Result<void, SeasonMistake> checkTeamPenalties(const SeasonFile& season);

/// A warning for every rider that a team lists and that matches no rider of the held
/// rounds of `result`, whose name may be misspelt; none while no round is held.
std::vector<SeasonWarning> unknownTeamRiders(const SeasonFile& season, const RiderNames& names,
                                             const SeasonResult& result);

struct TeamStandings {
    std::vector<TeamRow> rows;
    /// The ties on points that countback or the later best place decided.
    std::vector<TieDecision> ties;
};

/// The teams of `season` ordered by their totals over `result`'s riders and held rounds.
TeamStandings teamStandings(const SeasonFile& season, const RiderNames& names, const SeasonResult& result);

}  // namespace league::season
