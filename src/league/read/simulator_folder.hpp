#pragma once
// Where the season's exports are: below the simulator's folder, which the season file
// names or, when it does not, the Quorrin.ini beside the season file, as for the
// classic programs.

#include "league/read/season_file.hpp"

#include "common/disk.hpp"
#include "common/result.hpp"

#include <optional>
#include <string>

namespace league::season {

/// Finds the simulator's folder of `season` (a prefix of the export paths), whose season
/// file is in `seasonFolder` ("" or a path ending in '/'), or why there is none. A
/// relative folder lies below the season file's folder. A season without a held round
/// needs no folder that exists.
Result<std::string, SeasonMistake> findSimulatorFolder(Disk& disk, const SeasonFile& season,
                                                       const std::string& seasonFolder);

/// The path of an export, composed as Duvessa composes it: folder + "exports\" + name
/// + ".html".
std::string exportPath(const std::string& simulatorFolder, const std::string& exportName);

}  // namespace league::season
