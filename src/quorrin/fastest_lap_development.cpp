#include "quorrin/fastest_lap_development.hpp"

#include "quorrin/race_page_state.hpp"

#include <cstddef>
#include <cstdint>

namespace league::quorrin {

void writeFastestLapDevelopment(ReportWriter& page, const RaceRecord& race) {
    page.writeFragment("<div>");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"center\"> ");
    page.writeFragment("<caption align=\"center\"> DEVELOPMENT OF FASTEST LAP </caption> ");

    // The race lap records run from firstRaceRecord to the table's last record; the
    // bounds are also held to the records actually kept.
    const std::int64_t kept = static_cast<std::int64_t>(race.lapRecords.size());
    const std::int64_t first = race.firstRaceRecord > 0 ? race.firstRaceRecord : 0;
    const std::int64_t end = race.recordCount < kept ? race.recordCount : kept;

    std::int32_t fastestSoFar = kNoTime;
    for (std::int64_t index = first; index < end; ++index) {
        const LapRecord& record = race.lapRecords[static_cast<std::size_t>(index)];
        if (record.lapTime <= 0 || record.lapTime >= fastestSoFar) {
            continue;
        }
        page.writeFragment("<tr> \n");
        // A record of a slot outside the table still lowers the fastest lap, but has
        // no driver to show: its row stays without cells.
        if (isSlot(record.slot)) {
            page.writeFragment("<td align=\"center\"> ");
            page.writeFragment("Lap ");
            page.writeNumber(record.lapNumber);
            page.writeFragment(" </td> ");
            page.writeFragment("<td align=\"center\"> ");
            page.writeValueText(race.driverName[record.slot]);
            page.writeFragment(" </td> ");
            page.writeFragment("<td align=\"center\"> ");
            page.formatLapTime(record.lapTime);
            page.writeFragment(" </td> ");
        }
        page.writeFragment("</tr> \n");
        fastestSoFar = record.lapTime;
    }

    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" <BR> <BR>");
    page.writeFragment("</div>");
}

}  // namespace league::quorrin
