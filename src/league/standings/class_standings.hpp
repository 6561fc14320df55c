#pragma once
// The classes of a season ([classes]: Pro and Am, 600 and 1000), each with standings of
// its own beside the overall ones. A class scores by the places of its riders among
// themselves: in every scored race they take the places 1, 2, 3, ... in the order of
// the race's classification (those who did not finish after those who did, as there),
// and the race's points table gives the points of those places to the ones who
// finished; the class's fastest in a round's qualifying takes the pole points. Drops,
// keep, points penalties and countback work as in the overall standings.

#include "league/read/rider_names.hpp"
#include "league/read/season_file.hpp"
#include "league/read/season_mistake.hpp"
#include "league/read/season_warning.hpp"
#include "league/standings/season_standings.hpp"

#include "common/result.hpp"

#include <vector>

namespace league::season {

/// Checks [classes]: no rider listed twice in a class or in two classes.
Result<void, SeasonMistake> checkClasses(const SeasonFile& season, const RiderNames& names);

/// Marks every entry of the held rounds' races and every row of their qualifying with
/// its rider's class, and the entries with their class place and points.
void placeClasses(std::vector<HeldRound>& rounds, const SeasonFile& season, const RiderNames& names);

/// The standings of every class of `season` over `result`'s held rounds (placeClasses
/// done); the riders' points penalties count in their class too.
std::vector<ClassStandings> classStandings(const SeasonFile& season, const RiderNames& names,
                                           const SeasonResult& result);

/// The riders of the held rounds in no class, and the class members who rode none of
/// them (a misspelt name, as for teams); none without classes or held rounds.
std::vector<SeasonWarning> classWarnings(const SeasonFile& season, const RiderNames& names,
                                         const SeasonResult& result);

}  // namespace league::season
