#pragma once
// Where the season's exports are: below the simulator's folder, which the season file
// names or, when it does not, the Quorrin.ini beside the season file, as for the
// classic programs.

#include "league/read/season_file.hpp"

#include "common/disk.hpp"

#include <optional>
#include <string>

namespace league::season {

/// The simulator's folder as a prefix of the export paths, or why there is none.
struct SimulatorFolder {
    std::optional<std::string> folder;
    std::string error;
};

/// Finds the simulator's folder of `season`, read from `seasonFileName` in
/// `seasonFolder` (the season file's folder: "" or a path ending in '/'). A relative
/// folder lies below the season file's folder. A season without a held round needs no
/// folder that exists.
SimulatorFolder findSimulatorFolder(Disk& disk, const SeasonFile& season, const std::string& seasonFolder,
                                    const std::string& seasonFileName);

/// The path of an export, composed as Duvessa composes it: folder + "exports\" + name
/// + ".html".
std::string exportPath(const std::string& simulatorFolder, const std::string& exportName);

}  // namespace league::season
