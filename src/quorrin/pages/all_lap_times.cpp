#include "quorrin/pages/all_lap_times.hpp"

#include "common/page_frame.hpp"
#include "quorrin/analysis/lap_shade_colour.hpp"
#include "quorrin/pages/driver_cells.hpp"

namespace league::quorrin {

namespace {

// The colours as the lap chart has always spelt them: the full component in capitals.
void writeNearBestShade(ReportWriter& page, const Colour& colour) {
    page.writeFragment("bgcolor=\"#FF");
    page.writeHexByte(colour.green);
    page.writeHexByte(colour.blue);
    page.writeFragment("\"");
}

void writeSlowLapShade(ReportWriter& page, const Colour& colour) {
    page.writeFragment("bgcolor=\"#");
    page.writeHexByte(colour.red);
    page.writeHexByte(colour.green);
    page.writeFragment("FF\"");
}

}  // namespace

void writeShadedLapCell(ReportWriter& page, std::int32_t lap, const LapShade& shade) {
    page.writeFragment("<td ");
    if (shade.red) {
        writeNearBestShade(page, nearBestColour(*shade.red));
    }
    if (shade.blue) {
        writeSlowLapShade(page, slowLapColour(*shade.blue));
    }
    page.writeFragment("> ");
    page.formatLapTime(lap);
    page.writeFragment("</td> \n");
}

void writeAllLapTimes(ReportWriter& page, const RaceRecord& race, const LapChart& chart) {
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">ALL LAPTIMES OF ALL DRIVERS </caption> \n ");

    // The "lap" cell of the header is left open: the page has always been written so.
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">lap");
    for (const std::int32_t slot : chart.columns) {
        if (slot != kNoSlot) {
            page.writeFragment("<td align=\"center\"> \n");
            page.writeFragment("# ");
            page.writeNumber(race.startNumber[slot]);
            page.writeFragment("</td> \n");
        }
    }
    page.writeFragment("</tr> \n");

    for (std::int32_t lap = chart.firstShownLap; lap <= lastShownLap(race); ++lap) {
        page.writeFragment("<tr> \n");
        writeRowNumberCell(page, lap);
        for (const std::int32_t slot : chart.columns) {
            if (slot == kNoSlot) {
                continue;
            }
            if (race.lapsDone[slot] < lap) {
                // The driver had retired before this lap.
                page.writeFragment("<td> ");
                page.writeFragment("</td> \n");
            } else {
                writeShadedLapCell(page, race.lapTime[slot][lap], chart.shade[slot][static_cast<std::size_t>(lap)]);
            }
        }
        page.writeFragment("</tr> \n");
    }

    page.writeFragment("</border> ");
    page.writeFragment("</table> \n");
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
}

}  // namespace league::quorrin
