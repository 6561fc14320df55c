#include "league/read/simulator_folder.hpp"

#include "common/tool_config.hpp"

#include <algorithm>

namespace league::season {

namespace {

bool isAbsolute(const std::string& folder) {
    return (!folder.empty() && (folder.front() == '/' || folder.front() == '\\')) ||
           (folder.size() >= 2 && folder[1] == ':');
}

}  // namespace

Result<std::string, SeasonMistake> findSimulatorFolder(Disk& disk, const SeasonFile& season,
                                                       const std::string& seasonFolder) {
    const bool needed = std::any_of(season.rounds.begin(), season.rounds.end(), [](const Round& round) {
        return round.held();
    });
    if (!needed) {
        return std::string();
    }
    std::string folder;
    if (season.simulator) {
        folder = *season.simulator;
    } else {
        const auto bytes = disk.readFile(seasonFolder + kConfigFileName);
        if (!bytes) {
            return Failure{SeasonMistake{.kind = SeasonMistake::Kind::NoSimulatorFolder}};
        }
        // The folder as the classic programs read it, without the line break that an
        // editor may have added at its end.
        folder = toolConfigFromBytes(*bytes).simulatorFolder;
        while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r')) {
            folder.pop_back();
        }
    }
    if (!isAbsolute(folder)) {
        folder = seasonFolder + folder;
    }
    if (!folder.empty() && !disk.isFolder(folder)) {
        return Failure{SeasonMistake{.kind = SeasonMistake::Kind::SimulatorFolderMissing,
                                     .path = folder,
                                     .fromSeasonFile = season.simulator.has_value()}};
    }
    return folder;
}

std::string exportPath(const std::string& simulatorFolder, const std::string& exportName) {
    return simulatorFolder + "exports\\" + exportName + ".html";
}

}  // namespace league::season
