#include "quorrin/pages/fastest_lap_counts.hpp"

#include "common/page_frame.hpp"

#include <optional>

namespace league::quorrin {

void writeFastestLapCounts(ReportWriter& page, const RaceRecord& race, const RowSlots& order,
                           const std::array<std::int32_t, kSlotCount>& fastestLapCount) {
    page.writeFragment("<div>");
    page.writeFragment(frame::kTableOpenCentred);
    page.writeFragment("<caption align=\"center\"> NUMBER OF FASTEST LAPS </caption> ");
    for (const std::int32_t slot : order) {
        if (slot == kNoSlot) {
            continue;
        }
        page.writeFragment("<tr> \n");
        page.writeFragment("<td> \n");
        page.writeNumber(fastestLapCount[static_cast<std::size_t>(slot)]);
        page.writeFragment(" * ");
        page.writeValueText(race.driverName[static_cast<std::size_t>(slot)]);
        page.writeFragment("</td> \n");
        page.writeFragment("</tr> \n");
    }
    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
    page.writeFragment(" <BR> <BR> ");
}

}  // namespace league::quorrin
