#pragma once
// The groups of riders a season file names (teams, classes): a rider is listed once in
// a group, and is in one group of a kind at most.

#include "league/read/rider_names.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_mistake.hpp"
#include "league/read/season_warning.hpp"
#include "league/standings/rider_season.hpp"

#include "common/result.hpp"

#include <vector>

namespace league::season {

/// Checks `groups` (riders matched by identity): a rider listed twice in one group is the
/// mistake `listedTwice`, a rider in two groups `inTwo` (with the first group as
/// `otherTeam`).
Result<void, SeasonMistake> checkGroups(const std::vector<RiderGroup>& groups, const RiderNames& names,
                                        SeasonMistake::Kind listedTwice, SeasonMistake::Kind inTwo);

/// A warning of `kind` for every rider that a group lists and that matches none of
/// `riders` (those of the held rounds): a misspelt name, perhaps.
std::vector<SeasonWarning> groupRidersWhoNeverRode(const std::vector<RiderGroup>& groups, const RiderNames& names,
                                                   const std::vector<RiderSeason>& riders, SeasonWarning::Kind kind);

}  // namespace league::season
