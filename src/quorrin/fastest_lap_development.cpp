#include "quorrin/fastest_lap_development.hpp"

#include "common/page_frame.hpp"

#include <cstddef>
#include <cstdint>

namespace league::quorrin {

std::vector<LapRecord> computeFastestLapDevelopment(const RaceRecord& race) {
    // The race lap records run from firstRaceRecord to the table's last record; the
    // bounds are also held to the records actually kept.
    const std::int64_t kept = static_cast<std::int64_t>(race.lapRecords.size());
    const std::int64_t first = race.firstRaceRecord > 0 ? race.firstRaceRecord : 0;
    const std::int64_t end = race.recordCount < kept ? race.recordCount : kept;

    std::vector<LapRecord> lowered;
    std::int32_t fastestSoFar = kNoTime;
    for (std::int64_t index = first; index < end; ++index) {
        const LapRecord& record = race.lapRecords[static_cast<std::size_t>(index)];
        if (record.lapTime > 0 && record.lapTime < fastestSoFar) {
            lowered.push_back(record);
            fastestSoFar = record.lapTime;
        }
    }
    return lowered;
}

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
