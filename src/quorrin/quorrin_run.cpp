#include "quorrin/quorrin_run.hpp"

#include "quorrin/analysis/race_analysis.hpp"
#include "quorrin/pages/charts_page.hpp"
#include "quorrin/pages/graph_values_page.hpp"
#include "quorrin/pages/race_tables_page.hpp"
#include "quorrin/quorrin_dialogue.hpp"
#include "quorrin/record/lap_table.hpp"
#include "quorrin/record/missing_lap_repair.hpp"
#include "quorrin/record/replay_reader.hpp"

#include "common/report_writer.hpp"
#include "common/settings_messages.hpp"
#include "common/tool_config.hpp"

#include <ostream>

namespace league::quorrin {

namespace {

// The replay and the export are found below the simulator's folder; the pages are
// written into the working folder, named after the replay.
RunFiles filesOf(const std::string& replayName, const ToolConfig& config) {
    return RunFiles{
        .replayName = replayName,
        .replayPath = config.simulatorFolder + "replays\\" + replayName + ".rpy",
        .exportPath = config.simulatorFolder + "exports\\" + replayName + ".html",
        .pageFileName = replayName + ".html",
        .graphFileName = replayName + "_G.html",
        .chartsFileName = replayName + "_charts.html",
    };
}

bool namesFitTheirCapacities(const RunFiles& files) {
    return fitsCapacity(files.replayName, kAnswerWordCapacity) && fitsCapacity(files.replayPath, kInputPathCapacity) &&
           fitsCapacity(files.exportPath, kInputPathCapacity) && fitsCapacity(files.pageFileName, kPageNameCapacity) &&
           fitsCapacity(files.graphFileName, kPageNameCapacity);
}

void stopWithMessage(Console& console, const char* message) {
    console.out() << message << '\n';
    console.pause();
}

}  // namespace

Result<PreparedRace, int> prepareRace(Console& console, Disk& disk) {
    PreparedRace prepared;
    RaceRecord& race = prepared.race;
    console.out() << "Please put in a name of a replay-file (without .rpy)!" << '\n';
    const std::string replayName = readAnswerWord(console);
    const auto config = loadToolConfig(disk);
    if (!config) {
        saySettingsFileMissing(console);
        return Failure{kExitStopped};
    }
    prepared.files = filesOf(replayName, *config);
    const RunFiles& files = prepared.files;
    if (!namesFitTheirCapacities(files)) {
        refuseLongName(console);
        return Failure{kExitStopped};
    }
    console.out() << files.replayPath << '\n' << files.exportPath << '\n' << '\n';

    const auto replay = disk.openFile(files.replayPath);
    if (!replay) {
        stopWithMessage(console, "Dateiname or Pfad false!!!");
        return Failure{kExitStopped};
    }
    const auto replayRead = readReplay(*replay, race);
    listTrackAndEntries(console, race);
    if (!replayRead) {
        stopWithMessage(console, "The lap table of the replay is damaged!");
        return Failure{kExitStopped};
    }
    buildLapTable(race);
    const LapAnswer askUser = [&](const LapQuestion& question) { return askToAddLap(console, race, question); };
    repairSlowLaps(race, askUser);

    // An export that cannot be read is not reported here: the run ends with the failure
    // message after the race tables page.
    const JoinedExport joined = joinExport(disk.readFile(files.exportPath), race);
    listJoinedRows(console, joined.rows);
    prepared.exportJoin = joined.outcome;
    if (joined.outcome == ExportJoin::Joined) {
        repairFirstLaps(race, askUser);
    }
    return prepared;
}

int runQuorrin(Console& console, Disk& disk, const QuorrinOptions& options) {
    const auto prepared = prepareRace(console, disk);
    if (!prepared) {
        return prepared.reason();
    }
    const RaceRecord& race = prepared->race;
    const RunFiles& files = prepared->files;
    const ColourScheme scheme = askColourScheme(console);
    const RaceAnalysis analysis = analyseRace(race, prepared->exportJoin, scheme,
                                              options.writeCharts ? RaceChartLines::Computed : RaceChartLines::Skipped);

    // A page that cannot be written does not stop the run, but the run then does not
    // count as completed.
    int exitStatus = kExitCompleted;
    ReportWriter page;
    writeRaceTablesPage(page, race, analysis);
    if (!savePage(disk, files.pageFileName, page, console)) {
        exitStatus = kExitStopped;
    }
    if (!analysis.graphValues) {
        sayPositionTableFailed(console);
        return exitStatus;
    }
    page.clear();
    writeGraphValuesPage(page, race, *analysis.graphValues, analysis.colours);
    if (!savePage(disk, files.graphFileName, page, console)) {
        exitStatus = kExitStopped;
    }
    if (options.writeCharts && analysis.raceChart) {
        page.clear();
        writeChartsPage(page, race.trackName, *analysis.raceChart);
        if (!savePage(disk, files.chartsFileName, page, console)) {
            exitStatus = kExitStopped;
        }
    }
    return exitStatus;
}

}  // namespace league::quorrin
