#include "quorrin/pages/fastest_lap_development.hpp"

#include "common/page_frame.hpp"

#include <cstddef>
#include <cstdint>

namespace league::quorrin {

void writeFastestLapDevelopment(ReportWriter& page, const RaceRecord& race, const std::vector<LapRecord>& records) {
    page.writeFragment("<div>");
    page.writeFragment(frame::kTableOpenCentred);
    page.writeFragment("<caption align=\"center\"> DEVELOPMENT OF FASTEST LAP </caption> ");
    for (const LapRecord& record : records) {
        page.writeFragment("<tr> \n");
        // A record of a slot outside the table still lowers the fastest lap, but has
        // no driver to show: its row stays without cells.
        if (isSlot(record.slot)) {
            page.writeFragment(frame::kPlainCell);
            page.writeFragment("Lap ");
            page.writeNumber(record.lapNumber);
            page.writeFragment(frame::kCellEnd);
            frame::writeCell(page, frame::kPlainCell, race.driverName[static_cast<std::size_t>(record.slot)]);
            page.writeFragment(frame::kPlainCell);
            page.formatLapTime(record.lapTime);
            page.writeFragment(frame::kCellEnd);
        }
        page.writeFragment("</tr> \n");
    }
    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" <BR> <BR>");
    page.writeFragment("</div>");
}

}  // namespace league::quorrin
