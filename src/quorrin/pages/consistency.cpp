#include "quorrin/pages/consistency.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"
#include "quorrin/pages/driver_cells.hpp"

#include <string_view>

namespace league::quorrin {

namespace {

void writeHeaderRow(ReportWriter& page) {
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos");
    page.writeFragment("</td>\n<td align=\"center\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    page.writeFragment(" </td>\n <td align=\"center\"> best time");
    page.writeFragment(" </td>\n <td align=\"center\"> average");
    page.writeFragment(" </td>\n<td align=\"center\"> difference");
    page.writeFragment(" </td>\n<td align=\"center\"> laps");
    page.writeFragment(" </td>\n </tr>");
}

void writeConsistencyRow(ReportWriter& page, const RaceRecord& race, const LapAverages& averages, std::int32_t slot,
                         std::int32_t row, const RiderColours& colours) {
    const auto writeCell = [&](std::string_view text) { writeDriverCell(page, colours, slot, text); };
    page.writeFragment("<tr> \n");
    writeRowNumberCell(page, row);
    writeNumberAndNameCells(page, race, colours, slot);
    writeCell(formatLapTime(race.lapTime[slot][0]));
    writeCell(formatLapTime(averages.averageLap[static_cast<std::size_t>(slot)]));
    writeCell(formatTimeGap(averages.averageMinusBest[static_cast<std::size_t>(slot)]));
    // The last cell of the row closes without its trailing blank.
    driverCellOpen(page, colours, slot);
    page.writeNumber(race.lapsDone[slot]);
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

}  // namespace

void writeConsistency(ReportWriter& page, const RaceRecord& race, const LapAverages& averages, const RowSlots& order,
                      const RiderColours& colours) {
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\"> CONSISTENCY </caption> \n ");
    writeHeaderRow(page);
    for (std::int32_t row = 1; row <= race.driverCount; ++row) {
        const std::int32_t slot = order[static_cast<std::size_t>(row - 1)];
        if (slot == kNoSlot) {
            // A row index without a driver leaves only the closing pair.
            page.writeFragment(" </td>");
            page.writeFragment(frame::kRowEnd);
        } else {
            writeConsistencyRow(page, race, averages, slot, row, colours);
        }
    }
    frame::writeTableEnd(page);
}

}  // namespace league::quorrin
