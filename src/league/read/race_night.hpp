#pragma once
// The exports of every held round, read with the classic row recipes (Duvessa's for
// races, Omblen's for qualifying) and with every rider and bike name turned into text.

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
};

/// Every round's exports (empty for a round to come), or the first that cannot be read.
struct RaceNights {
    std::vector<RoundExports> rounds;
    std::string error;
};

/// Reads the exports of every held round of `season` below `simulatorFolder`.
RaceNights readRaceNights(Disk& disk, const SeasonFile& season, const std::string& simulatorFolder);

}  // namespace league::season
