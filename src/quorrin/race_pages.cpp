#include "quorrin/race_pages.hpp"

#include "common/report_writer.hpp"
#include "common/tool_config.hpp"
#include "quorrin/all_lap_times.hpp"
#include "quorrin/colour_scheme.hpp"
#include "quorrin/consistency.hpp"
#include "quorrin/fastest_lap_counts.hpp"
#include "quorrin/fastest_lap_development.hpp"
#include "quorrin/fastest_race_laps.hpp"
#include "quorrin/graph_values_page.hpp"
#include "quorrin/position_board.hpp"
#include "quorrin/race_page_state.hpp"

#include <ostream>

namespace league::quorrin {

namespace {

void writePageHead(ReportWriter& page, const RaceRecord& race) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head> \n");
    page.writeFragment("<title>Quorrin tables</title>");
    page.writeFragment(" <PRE> ");
    page.writeFragment("Track:   ");
    page.writeFragment("<b> ");
    page.writeValueText(race.trackName);
    page.writeFragment("</b>            ");
    page.writeFragment(" </PRE> ");
    page.writeFragment("</head> \n");
    page.writeFragment("<body> \n");
}

// Writes the race tables page; false when it could not be created (the writes then
// went nowhere and the message is on the console).
bool writeRaceTablesPage(const Folder& folder, const RaceRecord& race, RacePageState& state,
                         std::ostream& console) {
    ReportWriter page;
    const bool created = page.openPage(folder, race.pageFileName, console);
    writePageHead(page, race);

    state.clearLapCellsUsed();
    if (!race.positionTableFailed) {
        writePositionBoard(page, race, state);
    }

    // Without the export the first lap holds the replay's own time, not one derived
    // from the race time, so the lap tables begin at lap 2.
    state.firstShownLap = race.positionTableFailed ? 2 : 1;
    writeFastestRaceLaps(page, race, state);
    writeConsistency(page, race, state);
    writeFastestLapDevelopment(page, race);
    writeFastestLapCounts(page, race, state);
    writeAllLapTimes(page, race, state);
    page.closePage();
    return created;
}

void showPositionTableFailure(Console& console) {
    console.out() << "The Position table couldn't be made." << '\n'
                  << "The export couldn't be found OR" << '\n'
                  << "the replay and the export are not from the same race" << '\n'
                  << "OR wouldn't saved at the same time or" << '\n';
    pauseConsole(console);
}

}  // namespace

int writeRacePages(RaceRecord& race, Console& console, const Folder& folder) {
    RacePageState state;
    state.colourChoice = askColourChoice(console);

    // A page that cannot be created does not stop the run, but the run then does not
    // count as completed.
    int exitStatus = kExitCompleted;
    if (!writeRaceTablesPage(folder, race, state, console.out())) {
        exitStatus = kExitStopped;
    }

    if (race.positionTableFailed) {
        showPositionTableFailure(console);
        return exitStatus;
    }
    if (!writeGraphValuesPage(folder, race, state, console.out())) {
        exitStatus = kExitStopped;
    }
    return exitStatus;
}

}  // namespace league::quorrin
