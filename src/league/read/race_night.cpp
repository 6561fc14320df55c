#include "league/read/race_night.hpp"

#include "league/read/export_names.hpp"
#include "league/read/name_text.hpp"
#include "league/read/simulator_folder.hpp"

#include "omblen/grid_settings.hpp"

#include "common/export_reader.hpp"

#include <algorithm>

namespace league::season {

namespace {

// The rows of one export, their names decoded; nothing when it cannot be read.
std::optional<ExportRows> readExport(Disk& disk, const std::string& simulatorFolder, const std::string& name,
                                     std::int64_t endMargin, RowRecipe recipe) {
    auto bytes = disk.readFile(exportPath(simulatorFolder, name));
    if (!bytes) {
        return std::nullopt;
    }
    ExportRows rows{name, readExportRows(std::move(*bytes), endMargin, recipe)};
    for (ExportRow& row : rows.rows) {
        row.driverName = nameText(row.driverName);
        row.bikeName = nameText(row.bikeName);
    }
    return rows;
}

// The race and qualifying exports and the analysed races of the held round `round`,
// numbered `number`.
Result<RoundExports, SeasonMistake> readRound(Disk& disk, const std::string& simulatorFolder, const Round& round,
                                              std::size_t number) {
    RoundExports exports;
    const auto read = [&](const std::vector<std::string>& names, std::int64_t endMargin, RowRecipe recipe,
                          std::vector<ExportRows>& into) -> Result<void, SeasonMistake> {
        for (const std::string& name : names) {
            auto rows = readExport(disk, simulatorFolder, name, endMargin, recipe);
            if (!rows) {
                return Failure{missingExport(disk, simulatorFolder, round, number, name)};
            }
            into.push_back(std::move(*rows));
        }
        return {};
    };
    for (const ScoredRace& race : round.races) {
        exports.races.emplace_back();
        if (auto grids = read(race.exports, kDuvessaEndMargin, readDuvessaRow, exports.races.back()); !grids) {
            return Failure{grids.reason()};
        }
    }
    if (auto sessions = read(round.qualifying, kOmblenEndMargin, readOmblenRow, exports.qualifying); !sessions) {
        return Failure{sessions.reason()};
    }
    for (const RaceToAnalyse& race : round.analyse) {
        auto replayed = replayRace(disk, simulatorFolder, round, number, race);
        if (!replayed) {
            return Failure{replayed.reason()};
        }
        exports.replays.push_back(std::move(*replayed));
    }
    return exports;
}

}  // namespace

Result<RaceNights, SeasonMistake> readRaceNights(Disk& disk, const SeasonFile& season,
                                                 const std::string& simulatorFolder, const std::string& seasonFolder) {
    RaceNights nights;
    const bool gridSizeNeeded = std::any_of(season.rounds.begin(), season.rounds.end(), [](const Round& round) {
        return round.held() && !round.qualifying.empty() && !round.gridSize;
    });
    if (gridSizeNeeded) {
        nights.gridSizeFile = omblen::readGridSettings(disk, seasonFolder);
    }
    for (std::size_t r = 0; r < season.rounds.size(); ++r) {
        const Round& round = season.rounds[r];
        if (!round.held()) {
            nights.rounds.emplace_back();
            continue;
        }
        auto exports = readRound(disk, simulatorFolder, round, r + 1);
        if (!exports) {
            return Failure{exports.reason()};
        }
        nights.rounds.push_back(std::move(*exports));
    }
    return nights;
}

}  // namespace league::season
