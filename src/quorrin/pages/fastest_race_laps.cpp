#include "quorrin/pages/fastest_race_laps.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/pages/driver_cells.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page, const RaceRecord& race, std::int32_t firstShownLap) {
    writeLapTableHeaderStart(page, firstShownLap, lastShownLap(race));
    page.writeFragment(" </td>\n<td align=\"center\"> lap");
    page.writeFragment(" </td>\n <td align=\"center\"> best time");
    page.writeFragment(" </td>\n<td align=\"center\"> -first");
    page.writeFragment(" </td>\n </tr>");
}

// The six best-lap cells of the driver in `slot`; the last cell closes without its
// trailing blank, and the row's own end is written here too.
void writeBestLapCells(ReportWriter& page, const RaceRecord& race, std::int32_t slot,
                       const std::optional<std::int32_t>& gapToFastest, const RiderColours& colours) {
    const auto writeCell = [&](std::string_view text) { writeDriverCell(page, colours, slot, text); };
    writeNumberAndNameCells(page, race, colours, slot);
    writeCell(race.bikeName[slot]);
    // "7/12": the best lap was lap 7 of 12.
    writeCell(std::to_string(race.bestLapNo[slot]) + "/" + std::to_string(race.lapsDone[slot]));
    writeCell(formatLapTime(race.lapTime[slot][0]));
    driverCellOpen(page, colours, slot);
    if (gapToFastest) {
        page.formatTimeGap(*gapToFastest);
    }
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

}  // namespace

void writeFastestRaceLaps(ReportWriter& page, const RaceRecord& race, const FastestRaceLaps& laps,
                          const RiderColours& colours) {
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">LAP TIME COMPERATOR / FASTEST RACE LAPS </caption> \n ");
    writeHeaderRow(page, race, laps.firstShownLap);
    page.writeFragment("<tr> \n");

    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        writeRowNumberCell(page, row);
        for (std::int32_t lap = laps.firstShownLap; lap <= lastShownLap(race); ++lap) {
            writeLapColumnCell(page, race, colours, laps.fastestAtLap[static_cast<std::size_t>(lap)][index]);
        }
        writeMiddleRowNumberCell(page, row);
        const std::int32_t slot = laps.bestLapOrder[index];
        if (slot == kNoSlot) {
            writeEmptyRowEnd(page, colours);
        } else {
            writeBestLapCells(page, race, slot, laps.gapToFastest[index], colours);
        }
    }

    frame::writeTableEnd(page);
}

}  // namespace league::quorrin
