#pragma once
// The exports of every held round, read with the classic row recipes (Duvessa's for
// races, Omblen's for qualifying) and with every rider and bike name turned into text;
// the races each round analyses, built into Quorrin's race records; and the grid size
// of maxdriversingrid.ini for the rounds that name none.

#include "league/read/race_replay.hpp"
#include "league/read/season_file.hpp"

#include "common/disk.hpp"
#include "common/export_recipes.hpp"
#include "common/result.hpp"
#include "omblen/grid_settings.hpp"

#include <optional>
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
    /// One element per scored race: its grids' exports.
    std::vector<std::vector<ExportRows>> races;
    std::vector<ExportRows> qualifying;
    /// The races of the analyse list, in its order.
    std::vector<ReplayedRace> replays;
};

/// Every round's exports (empty for a round to come).
struct RaceNights {
    std::vector<RoundExports> rounds;
    /// maxdriversingrid.ini beside the season file, read only when a held round with
    /// qualifying names no grid_size; none: not needed. When it is missing or holds no
    /// size of 1 or more, the qualifying is not divided into grids.
    std::optional<omblen::GridSize> gridSizeFile;
};

/// Reads the exports and replays of every held round of `season` below
/// `simulatorFolder`, and maxdriversingrid.ini in `seasonFolder` (the season file's
/// folder, "" or ending in '/'); or finds the first that cannot be read.
Result<RaceNights, SeasonMistake> readRaceNights(Disk& disk, const SeasonFile& season,
                                                 const std::string& simulatorFolder, const std::string& seasonFolder);

}  // namespace league::season
