#include "duvessa/combined_page.hpp"

#include "duvessa/position_values.hpp"

#include <string_view>

namespace league::duvessa {

namespace {

constexpr std::string_view kPlainCell = "<td align=\"center\"> ";
constexpr std::string_view kGreyCell = "<td align=\"center\" bgcolor=\"#DDDDDD\"> ";
constexpr std::string_view kCellEnd = " </td> ";
constexpr std::string_view kRowEnd = " </tr> ";

void writeHead(ReportWriter& page) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head>");
    page.writeFragment("<title>Duvessa table</title>");
    page.writeFragment("</head> \n");
    page.writeFragment("<BR>");
    page.writeFragment("<body> \n");
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
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
std::string_view gridCell(std::int32_t raceNumber) {
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
    const std::string_view shaded = values.grey ? kGreyCell : kPlainCell;
    page.writeNumber(entry.startNumber);
    page.writeFragment(kCellEnd);
    page.writeFragment(kPlainCell);
    page.writeValueText(entry.driverName);
    page.writeFragment(kCellEnd);
    page.writeFragment(kPlainCell);
    page.writeValueText(entry.bikeName);
    page.writeFragment(kCellEnd);

    page.writeFragment(shaded);
    page.writeNumber(entry.laps);
    page.writeFragment(kCellEnd);
    page.writeFragment(shaded);
    page.formatLapTime(entry.raceTime);
    page.writeFragment(kCellEnd);

    page.writeFragment(shaded);
    if (values.fullDistance) {
        page.writeFragment("+");
        page.writeNumber(values.missingLaps);
        page.writeFragment("*");
        page.formatLapTime(values.averageLap);
        page.writeFragment("=");
    }
    page.writeFragment(kCellEnd);
    page.writeFragment(shaded);
    if (values.fullDistance) {
        page.formatLapTime(entry.rankTime);
    }
    page.writeFragment(kCellEnd);
    page.writeFragment(shaded);
    if (values.fullDistance) {
        page.formatTimeGap(values.gapToFirst);
    }
    page.writeFragment(kCellEnd);
    page.writeFragment(shaded);
    if (values.showsGapToBefore) {
        page.formatTimeGap(values.gapToBefore);
    }
    page.writeFragment(kCellEnd);

    page.writeFragment(gridCell(entry.raceNumber));
    page.writeFragment("<td align=\"center\" bgcolor=\"#FF0000\">");
    if (values.points) {
        page.writeNumber(*values.points);
    }
    page.writeFragment(kCellEnd);
}

void writeTableEnd(ReportWriter& page) {
    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment(" <BR>");
}

}  // namespace

void writeCombinedPage(ReportWriter& page, const EntryTable& table, const Placement& placement) {
    writeHead(page);
    writeHeaderRow(page);
    page.writeFragment("<tr> \n");
    for (std::int32_t position = 1; position <= placement.positionCount; ++position) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#00FF00\"> ");
        page.writeNumber(position);
        page.writeFragment(" <bgcolor=\"#FFFFFF\" /td> ");
        // The start-number cell is opened before it is known whether the position is
        // filled, so an empty position shows it too.
        page.writeFragment(kPlainCell);
        const std::int32_t index = placement.entryAt(position);
        if (index != kEmptyPosition) {
            writePlacedEntry(page, table.entries[static_cast<std::size_t>(index)],
                             positionValues(table, placement, position));
        }
        page.writeFragment(kRowEnd);
    }
    writeTableEnd(page);
}

}  // namespace league::duvessa
