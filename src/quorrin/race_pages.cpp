#include "quorrin/race_pages.hpp"

#include "common/page_frame.hpp"
#include "quorrin/all_lap_times.hpp"
#include "quorrin/consistency.hpp"
#include "quorrin/fastest_lap_counts.hpp"
#include "quorrin/fastest_lap_development.hpp"
#include "quorrin/fastest_race_laps.hpp"
#include "quorrin/position_board.hpp"

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

void writeRaceTablesPage(ReportWriter& page, const RaceRecord& race, const RaceAnalysis& analysis,
                         std::int32_t colourChoice) {
    writePageHead(page, race);
    if (analysis.positionBoard) {
        writePositionBoard(page, race, *analysis.positionBoard, colourChoice);
    }
    // The comparator and CONSISTENCY stand side by side in one block.
    page.writeFragment(frame::kBlockOpen);
    writeFastestRaceLaps(page, race, analysis.fastestRaceLaps, colourChoice);
    writeConsistency(page, race, analysis.consistencyOrder, colourChoice);
    page.writeFragment("</div>");

    writeFastestLapDevelopment(page, race, analysis.fastestLapDevelopment);
    writeFastestLapCounts(page, race, analysis.fastestLapCountOrder, analysis.fastestRaceLaps.fastestLapCount);
    writeAllLapTimes(page, race, analysis.lapChart);
    page.writeFragment(" <BR> ");
    page.writeFragment("</body> \n");
}

}  // namespace league::quorrin
