#pragma once
// The exports of every held round, read with the classic row recipes (Duvessa's for
// races, Omblen's for qualifying) and with every rider and bike name turned into text;
// the races each round analyses, built into Quorrin's race records; and the grid size
// of maxdriversingrid.ini for the rounds that name none.

#include "league/read/race_replay.hpp"
#include "league/read/season_file.hpp"

#include "common/disk.hpp"
#include "common/export_recipes.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The rows of one export, their names decoded (nameText).
struct ExportRows {
    std::string name;
    std::vector<ExportRow> rows;
};

/// The exports of one round, in the order the season file names them.
struct RoundExports {
    std::vector<ExportRows> races;
    std::vector<ExportRows> qualifying;
    /// The races of the analyse list, in its order.
    std::vector<ReplayedRace> replays;
};

/// maxdriversingrid.ini beside the season file, read only when a held round with
/// qualifying names no grid_size.
struct GridSizeFile {
    enum class Outcome {
        NotNeeded,
        Read,       ///< gridSize holds a size of at least 1
        Missing,    ///< no file: the qualifying is not divided into grids
        NoGridSize  ///< the file holds no number of 1 or more: not divided either
    };
    Outcome outcome = Outcome::NotNeeded;
    std::int32_t gridSize = 0;
};

/// Every round's exports (empty for a round to come), or the first that cannot be read.
struct RaceNights {
    std::vector<RoundExports> rounds;
    GridSizeFile gridSizeFile;
    std::string error;
};

/// Reads the exports and replays of every held round of `season` below
/// `simulatorFolder`, and maxdriversingrid.ini in `seasonFolder` (the season file's
/// folder, "" or ending in '/'); `seasonFileName` names the season file in messages.
RaceNights readRaceNights(Disk& disk, const SeasonFile& season, const std::string& simulatorFolder,
                          const std::string& seasonFolder, const std::string& seasonFileName);

}  // namespace league::season
