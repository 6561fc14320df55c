#include "quorrin/pages/race_tables_page.hpp"

#include "common/page_frame.hpp"
#include "quorrin/pages/all_lap_times.hpp"
#include "quorrin/pages/consistency.hpp"
#include "quorrin/pages/fastest_lap_counts.hpp"
#include "quorrin/pages/fastest_lap_development.hpp"
#include "quorrin/pages/fastest_race_laps.hpp"
#include "quorrin/pages/position_board.hpp"

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

}  // namespace

void writeRaceTablesPage(ReportWriter& page, const RaceRecord& race, const RaceAnalysis& analysis) {
    const RiderColours& colours = analysis.colours;
    writePageHead(page, race);
    if (analysis.positionBoard) {
        writePositionBoard(page, race, *analysis.positionBoard, colours);
    }
    // The comparator and CONSISTENCY stand side by side in one block.
    page.writeFragment(frame::kBlockOpen);
    writeFastestRaceLaps(page, race, analysis.fastestRaceLaps, colours);
    writeConsistency(page, race, analysis.averages, analysis.consistencyOrder, colours);
    page.writeFragment("</div>");

    writeFastestLapDevelopment(page, race, analysis.fastestLapDevelopment);
    writeFastestLapCounts(page, race, analysis.fastestLapCountOrder, analysis.fastestRaceLaps.fastestLapCount);
    writeAllLapTimes(page, race, analysis.lapChart);
    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

}  // namespace league::quorrin
