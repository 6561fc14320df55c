#include "duvessa/combined_page.hpp"

#include "duvessa/position_values.hpp"

#include "common/page_frame.hpp"
#include "common/time_text.hpp"

#include <string>
#include <string_view>

namespace league::duvessa {

namespace {

using frame::kCellEnd;
using frame::kGreyCell;
using frame::kPlainCell;
using frame::writeCell;

void writeHead(ReportWriter& page) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head>");
    page.writeFragment("<title>Duvessa table</title>");
    page.writeFragment("</head> \n");
    page.writeFragment("<BR>");
    page.writeFragment("<body> \n");
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">POSITION BOARD / FINAL RESULT </caption> \n ");
}

void writeHeaderRow(ReportWriter& page) {
    page.writeFragment(" <tr bgcolor=\"#00FF00\"> <td align=\"center\" bgcolor=\"#00FF00\">pos");
    page.writeFragment("</td>\n<td align=\"center\">#");
    page.writeFragment(" </td>\n<td > driver");
    page.writeFragment(" </td>\n <td align=\"center\">  bike");
    page.writeFragment(" </td>\n<td align=\"center\"> laps");
    page.writeFragment(" </td>\n <td align=\"center\"> time");
    page.writeFragment(" </td>\n<td align=\"center\">m.laps*average");
    page.writeFragment(" </td>\n <td align=\"center\"> time+");
    page.writeFragment(" </td>\n <td align=\"center\"> -first");
    page.writeFragment(" </td>\n<td align=\"center\"> -before");
    page.writeFragment(" </td>\n<td align=\"center\"> grid");
    page.writeFragment(" </td>\n<td align=\"center\"> score");
    page.writeFragment(" </td>\n </tr>");
}

// The grid cell shows from which export the rider comes; it closes itself.
Fragment gridCell(std::int32_t raceNumber) {
    switch (raceNumber) {
        case 1:
            return "<td align=\"center\" bgcolor=\"#DDDD00\">R1</td> ";
        case 2:
            return "<td align=\"center\" bgcolor=\"#0033FF\">R2</td> ";
        case 3:
            return "<td align=\"center\" bgcolor=\"#DD0000\">R3</td> ";
        default:
            return "<td align=\"center\" bgcolor=\"#0000FF\">R4</td> ";
    }
}

// The cells after the start-number opening of a filled position, up to the row end.
void writePlacedEntry(ReportWriter& page, const MergeEntry& entry, const PositionValues& values) {
    const Fragment shaded = values.grey ? kGreyCell : kPlainCell;
    page.writeNumber(entry.startNumber);
    page.writeFragment(kCellEnd);
    writeCell(page, kPlainCell, entry.driverName);
    writeCell(page, kPlainCell, entry.bikeName);

    writeCell(page, shaded, std::to_string(entry.laps));
    writeCell(page, shaded, formatLapTime(entry.raceTime));
    // The laps short of the full distance times the average lap, then the scaled time
    // and its gap, only for riders ranked over the full distance.
    writeCell(page, shaded,
              values.fullDistance
                  ? "+" + std::to_string(values.missingLaps) + "*" + formatLapTime(values.averageLap) + "="
                  : "");
    writeCell(page, shaded, values.fullDistance ? formatLapTime(entry.rankTime) : "");
    writeCell(page, shaded, values.fullDistance ? formatTimeGap(values.gapToFirst) : "");
    writeCell(page, shaded, values.showsGapToBefore ? formatTimeGap(values.gapToBefore) : "");

    page.writeFragment(gridCell(entry.raceNumber));
    writeCell(page, "<td align=\"center\" bgcolor=\"#FF0000\">", values.points ? std::to_string(*values.points) : "");
}

void writeTableEnd(ReportWriter& page) {
    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
    page.writeFragment(" <BR>");
}

}  // namespace

void writeCombinedPage(ReportWriter& page, const EntryTable& table, const Placement& placement) {
    writeHead(page);
    writeHeaderRow(page);
    page.writeFragment("<tr> \n");
    for (std::int32_t position = 1; position <= placement.positionCount; ++position) {
        frame::writeRowNumberCell(page, frame::kGreen, position);
        // The start-number cell is opened before it is known whether the position is
        // filled, so an empty position shows it too.
        page.writeFragment(kPlainCell);
        const std::int32_t index = placement.entryAt(position);
        if (index != kEmptyPosition) {
            writePlacedEntry(page, table.entries[static_cast<std::size_t>(index)],
                             positionValues(table, placement, position));
        }
        page.writeFragment(frame::kRowEnd);
    }
    writeTableEnd(page);
}

}  // namespace league::duvessa
