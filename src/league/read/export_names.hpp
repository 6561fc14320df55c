#pragma once
// A missing export named with its line of the season file and with the names in the
// exports folder that come closest to it, so that a misspelt name is found at a glance.

#include "league/read/season_file.hpp"

#include "common/disk.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// The most names a missing export's message offers.
inline constexpr std::size_t kMostClosestNames = 3;

/// The names of `names` closest to `name` by edit distance (letters inserted, removed or
/// replaced), without regard to upper and lower case, closest first and in the order of
/// `names` among equals: at most kMostClosestNames, each at most a third of the length
/// of `name` away (two letters for a short name), so that unrelated names are not
/// offered.
std::vector<std::string> closestNames(std::string_view name, const std::vector<std::string>& names);

/// The mistake of the export `name` of the held round `round` (numbered `number`) that
/// cannot be read below `simulatorFolder`: its path, the line that names it in the
/// season file and the closest names of the exports folder.
SeasonMistake missingExport(Disk& disk, const std::string& simulatorFolder, const Round& round, std::size_t number,
                            const std::string& name);

}  // namespace league::season
