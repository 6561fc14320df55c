#include "quorrin/pages/position_board.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/pages/driver_cells.hpp"

#include <string>
#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page, const RaceRecord& race) {
    writeLapTableHeaderStart(page, 1, lastShownLap(race));
    page.writeFragment(" </td>\n<td align=\"center\"> laps");
    page.writeFragment(" </td>\n <td align=\"center\"> time");
    page.writeFragment(" </td>\n <td align=\"center\"> -first");
    page.writeFragment(" </td>\n<td align=\"center\"> -before");
    page.writeFragment(" </td>\n </tr>");
}

// The seven final-result cells of a row; the last cell closes without its trailing
// blank, and the row's own end is written here too.
void writeFinalResultCells(ReportWriter& page, const RaceRecord& race, const FinalResultRow& row,
                           const RiderColours& colours) {
    const auto writeCell = [&](std::string_view text) { writeDriverCell(page, colours, row.slot, text); };
    writeNumberAndNameCells(page, race, colours, row.slot);
    writeCell(race.bikeName[row.slot]);
    writeCell(std::to_string(race.lapsDone[row.slot]));
    writeCell(formatLapTime(row.raceTime));
    writeCell(row.gapToWinner ? formatTimeGap(*row.gapToWinner) : "");
    driverCellOpen(page, colours, row.slot);
    if (row.gapToPrevious) {
        page.formatTimeGap(*row.gapToPrevious);
    }
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

}  // namespace

void writePositionBoard(ReportWriter& page, const RaceRecord& race, const PositionBoard& board,
                        const RiderColours& colours) {
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">POSITION BOARD / FINAL RESULT </caption> \n ");
    writeHeaderRow(page, race);
    page.writeFragment("<tr> \n");

    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        writeRowNumberCell(page, row);
        for (std::int32_t lap = 1; lap <= lastShownLap(race); ++lap) {
            writeLapColumnCell(page, race, colours, board.holderAtLap[static_cast<std::size_t>(lap)][index]);
        }
        writeMiddleRowNumberCell(page, row);
        const FinalResultRow& result = board.finalResult[index];
        if (result.slot == kNoSlot) {
            writeEmptyRowEnd(page, colours);
        } else {
            writeFinalResultCells(page, race, result, colours);
        }
    }

    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
    page.writeFragment(" <BR>");
}

}  // namespace league::quorrin
