#include "quorrin/quorrin_run.hpp"

#include "quorrin/export_reconciliation.hpp"
#include "quorrin/lap_table.hpp"
#include "quorrin/missing_lap_repair.hpp"
#include "quorrin/race_pages.hpp"
#include "quorrin/replay_reader.hpp"

#include "common/export_reader.hpp"
#include "common/tool_config.hpp"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

namespace league::quorrin {

namespace {

// The replay and the export are found below the simulator's folder; the two pages
// are written into the working folder, named after the replay.
void composeNames(RaceRecord& race, const ToolConfig& config) {
    race.replayPath = config.simulatorFolder + "replays\\" + race.replayName + ".rpy";
    race.exportPath = config.simulatorFolder + "exports\\" + race.replayName + ".html";
    race.pageFileName = race.replayName + ".html";
    race.graphFileName = race.replayName + "_G.html";
}

bool namesFitTheirCapacities(const RaceRecord& race) {
    return fitsCapacity(race.replayName, kAnswerWordCapacity) && fitsCapacity(race.replayPath, kInputPathCapacity) &&
           fitsCapacity(race.exportPath, kInputPathCapacity) && fitsCapacity(race.pageFileName, kPageNameCapacity) &&
           fitsCapacity(race.graphFileName, kPageNameCapacity);
}

// A folder is not a replay or an export, also on systems that let it be opened.
bool isFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

void stopWithMessage(Console& console, const char* message) {
    console.out() << message << '\n';
    pauseConsole(console);
}

// Reads the replay's names and laps, builds the lap table and offers the splits of
// slow laps. The replay is open only for this.
std::optional<int> readReplayLaps(RaceRecord& race, Console& console, const Folder& folder) {
    const std::filesystem::path replayFile = folder.inputFile(race.replayPath);
    std::ifstream replay;
    if (!isFolder(replayFile)) {
        replay.open(replayFile, std::ios::binary | std::ios::in);
    }
    if (!replay.is_open()) {
        stopWithMessage(console, "Dateiname or Pfad false!!!");
        return kExitStopped;
    }
    if (readReplay(replay, race, console) == ReplayOutcome::LapTableDamaged) {
        stopWithMessage(console, "The lap table of the replay is damaged!");
        return kExitStopped;
    }
    buildLapTable(race);
    offerSlowLapRepairs(race, console);
    return std::nullopt;
}

// Joins the export to the replay's drivers. An export that cannot be opened is not
// reported here: the run ends with the failure message after the race tables page.
void joinExport(RaceRecord& race, Console& console, const Folder& folder) {
    const std::filesystem::path exportFile = folder.inputFile(race.exportPath);
    ExportReader reader;
    if (!reader.openExport(exportFile, kQuorrinEndMargin)) {
        race.positionTableFailed = true;
        return;
    }
    reconcileExport(reader, race, console);
}

}  // namespace

std::optional<int> prepareRace(RaceRecord& race, Console& console, const Folder& folder) {
    console.out() << "Please put in a name of a replay-file (without .rpy)!" << '\n';
    race.replayName = readAnswerWord(console);
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    composeNames(race, *config);
    if (!namesFitTheirCapacities(race)) {
        refuseLongName(console);
        return kExitStopped;
    }
    console.out() << race.replayPath << '\n' << race.exportPath << '\n' << '\n';
    if (const auto stopped = readReplayLaps(race, console, folder)) {
        return stopped;
    }
    joinExport(race, console, folder);
    computeAverages(race);
    if (!race.positionTableFailed) {
        offerFirstLapRepairs(race, console);
    }
    return std::nullopt;
}

int runQuorrin(Console& console, const Folder& folder) {
    RaceRecord race;
    if (const auto stopped = prepareRace(race, console, folder)) {
        return *stopped;
    }
    // The colour dialogue, the race tables page, and either the failure message or the
    // graph values page; their exit status is the run's.
    return writeRacePages(race, console, folder);
}

}  // namespace league::quorrin
