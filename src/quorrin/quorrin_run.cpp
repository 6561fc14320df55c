#include "quorrin/quorrin_run.hpp"

#include "quorrin/charts_page.hpp"
#include "quorrin/colour_scheme.hpp"
#include "quorrin/export_reconciliation.hpp"
#include "quorrin/graph_values_page.hpp"
#include "quorrin/lap_table.hpp"
#include "quorrin/missing_lap_repair.hpp"
#include "quorrin/race_analysis.hpp"
#include "quorrin/race_pages.hpp"
#include "quorrin/replay_reader.hpp"

#include "common/report_writer.hpp"
#include "common/tool_config.hpp"

#include <ostream>
#include <utility>

namespace league::quorrin {

namespace {

// The replay and the export are found below the simulator's folder; the pages are
// written into the working folder, named after the replay.
void composeNames(RaceRecord& race, const ToolConfig& config) {
    race.replayPath = config.simulatorFolder + "replays\\" + race.replayName + ".rpy";
    race.exportPath = config.simulatorFolder + "exports\\" + race.replayName + ".html";
    race.pageFileName = race.replayName + ".html";
    race.graphFileName = race.replayName + "_G.html";
    race.chartsFileName = race.replayName + "_charts.html";
}

bool namesFitTheirCapacities(const RaceRecord& race) {
    return fitsCapacity(race.replayName, kAnswerWordCapacity) && fitsCapacity(race.replayPath, kInputPathCapacity) &&
           fitsCapacity(race.exportPath, kInputPathCapacity) && fitsCapacity(race.pageFileName, kPageNameCapacity) &&
           fitsCapacity(race.graphFileName, kPageNameCapacity);
}

void stopWithMessage(Console& console, const char* message) {
    console.out() << message << '\n';
    console.pause();
}

void showPositionTableFailure(Console& console) {
    console.out() << "The Position table couldn't be made." << '\n'
                  << "The export couldn't be found OR" << '\n'
                  << "the replay and the export are not from the same race" << '\n'
                  << "OR wouldn't saved at the same time or" << '\n';
    console.pause();
}

}  // namespace

std::optional<int> prepareRace(RaceRecord& race, Console& console, Disk& disk) {
    console.out() << "Please put in a name of a replay-file (without .rpy)!" << '\n';
    race.replayName = readAnswerWord(console);
    const auto config = loadToolConfig(disk);
    if (!config) {
        saySettingsFileMissing(console);
        return kExitStopped;
    }
    composeNames(race, *config);
    if (!namesFitTheirCapacities(race)) {
        refuseLongName(console);
        return kExitStopped;
    }
    console.out() << race.replayPath << '\n' << race.exportPath << '\n' << '\n';

    const auto replay = disk.openFile(race.replayPath);
    if (!replay) {
        stopWithMessage(console, "Dateiname or Pfad false!!!");
        return kExitStopped;
    }
    const ReplayOutcome replayOutcome = readReplay(*replay, race);
    listTrackAndEntries(console, race);
    if (replayOutcome == ReplayOutcome::LapTableDamaged) {
        stopWithMessage(console, "The lap table of the replay is damaged!");
        return kExitStopped;
    }
    buildLapTable(race);
    for (auto question = nextSlowLapQuestion(race, std::nullopt); question;
         question = nextSlowLapQuestion(race, question)) {
        if (askToAddLap(console, race, *question)) {
            splitLap(race, question->slot, question->lap);
        }
    }

    // An export that cannot be read is not reported here: the run ends with the failure
    // message after the race tables page.
    if (auto exportBytes = disk.readFile(race.exportPath)) {
        listJoinedRows(console, reconcileExport(std::move(*exportBytes), race));
    } else {
        race.positionTableFailed = true;
    }
    computeAverages(race);
    if (!race.positionTableFailed) {
        for (auto question = nextFirstLapQuestion(race, std::nullopt); question;
             question = nextFirstLapQuestion(race, question)) {
            if (askToAddLap(console, race, *question)) {
                splitFirstLap(race, question->slot);
            }
        }
    }
    return std::nullopt;
}

int runQuorrin(Console& console, Disk& disk, const QuorrinOptions& options) {
    RaceRecord race;
    if (const auto stopped = prepareRace(race, console, disk)) {
        return *stopped;
    }
    const std::int32_t colourChoice = askColourChoice(console);
    const RaceAnalysis analysis = analyseRace(race);

    // A page that cannot be written does not stop the run, but the run then does not
    // count as completed.
    int exitStatus = kExitCompleted;
    ReportWriter page;
    writeRaceTablesPage(page, race, analysis, colourChoice);
    if (!savePage(disk, race.pageFileName, page, console)) {
        exitStatus = kExitStopped;
    }
    if (!analysis.graphValues) {
        showPositionTableFailure(console);
        return exitStatus;
    }
    page.clear();
    writeGraphValuesPage(page, race, *analysis.graphValues, colourChoice);
    if (!savePage(disk, race.graphFileName, page, console)) {
        exitStatus = kExitStopped;
    }
    if (options.writeCharts) {
        page.clear();
        writeChartsPage(page, computeRaceChart(race, analysis, colourChoice));
        if (!savePage(disk, race.chartsFileName, page, console)) {
            exitStatus = kExitStopped;
        }
    }
    return exitStatus;
}

}  // namespace league::quorrin
