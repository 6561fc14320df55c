#include "league/read/race_night.hpp"

#include "league/read/name_text.hpp"
#include "league/read/simulator_folder.hpp"

#include "omblen/grid_settings.hpp"

#include "common/export_reader.hpp"

#include <algorithm>

namespace league::season {

namespace {

// Reads one export; false when it cannot be read.
bool readExport(Disk& disk, const std::string& path, std::int64_t endMargin, RowRecipe recipe, ExportRows& into) {
    auto bytes = disk.readFile(path);
    if (!bytes) {
        return false;
    }
    into.rows = readExportRows(std::move(*bytes), endMargin, recipe);
    for (ExportRow& row : into.rows) {
        row.driverName = nameText(row.driverName);
        row.bikeName = nameText(row.bikeName);
    }
    return true;
}

}  // namespace

RaceNights readRaceNights(Disk& disk, const SeasonFile& season, const std::string& simulatorFolder,
                          const std::string& seasonFolder, const std::string& seasonFileName) {
    RaceNights nights;
    const bool gridSizeNeeded = std::any_of(season.rounds.begin(), season.rounds.end(), [](const Round& round) {
        return round.held() && !round.qualifying.empty() && !round.gridSize;
    });
    if (gridSizeNeeded) {
        nights.gridSizeFile = omblen::readGridSettings(disk, seasonFolder);
    }
    for (std::size_t r = 0; r < season.rounds.size(); ++r) {
        const Round& round = season.rounds[r];
        RoundExports exports;
        if (round.held()) {
            const auto read = [&](const std::string& name, std::int64_t endMargin, RowRecipe recipe,
                                  std::vector<ExportRows>& into) {
                ExportRows rows{name, {}};
                const std::string path = exportPath(simulatorFolder, name);
                if (!readExport(disk, path, endMargin, recipe, rows)) {
                    nights.error = "Can't find the export " + path + " (round " + std::to_string(r + 1) + ", " +
                                   round.name + ")";
                    return false;
                }
                into.push_back(std::move(rows));
                return true;
            };
            for (const std::string& race : round.races) {
                if (!read(race, kDuvessaEndMargin, readDuvessaRow, exports.races)) {
                    return nights;
                }
            }
            for (const std::string& session : round.qualifying) {
                if (!read(session, kOmblenEndMargin, readOmblenRow, exports.qualifying)) {
                    return nights;
                }
            }
            for (const RaceToAnalyse& race : round.analyse) {
                ReplayedRaceOutcome replayed = replayRace(disk, simulatorFolder, round, r + 1, race, seasonFileName);
                if (!replayed.race) {
                    nights.error = replayed.error;
                    return nights;
                }
                exports.replays.push_back(std::move(*replayed.race));
            }
        }
        nights.rounds.push_back(std::move(exports));
    }
    return nights;
}

}  // namespace league::season
