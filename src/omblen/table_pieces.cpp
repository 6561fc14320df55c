#include "omblen/table_pieces.hpp"

#include "common/export_dialogue.hpp"
#include "common/page_frame.hpp"
#include "common/time_text.hpp"

#include <array>
#include <string>

namespace league::omblen {

namespace {

// The grid cell of exports 1 to 4, each grid in its own colour.
constexpr std::array<Fragment, kMaxExports> kGridCells = {
    "<td align=\"center\" bgcolor=\"#DDDD00\">G1</td> ",
    "<td align=\"center\" bgcolor=\"#0033FF\">G2</td> ",
    "<td align=\"center\" bgcolor=\"#DD0000\">G3</td> ",
    "<td align=\"center\" bgcolor=\"#0000FF\">G4</td> ",
};

}  // namespace

void writePageHead(ReportWriter& page, Fragment lineBreakPiece) {
    page.writeFragment("<html> \n");
    page.writeFragment("<head>");
    page.writeFragment("<title>Omblen table</title>");
    page.writeFragment("</head> \n");
    page.writeFragment(lineBreakPiece);
    page.writeFragment("<body> \n");
}

void writeHeaderRow(ReportWriter& page) {
    page.writeFragment(" <tr bgcolor=\"#00FF00\"> <td align=\"center\" bgcolor=\"#00FF00\">pos");
    page.writeFragment("</td>\n<td align=\"center\">#");
    page.writeFragment(" </td>\n<td > driver");
    page.writeFragment(" </td>\n <td align=\"center\">  bike");
    page.writeFragment(" </td>\n <td align=\"center\"> time");
    page.writeFragment(" </td>\n <td align=\"center\"> -first");
    page.writeFragment(" </td>\n<td align=\"center\"> -before");
    page.writeFragment(" </td>\n<td align=\"center\"> lap");
    page.writeFragment(" </td>\n<td align=\"center\"> speed");
    page.writeFragment(" </td>\n<td align=\"center\"> grid");
    page.writeFragment(" </td>\n </tr>");
    page.writeFragment("<tr> \n");
}

void writeEntryCells(ReportWriter& page, const QualifyingTable& table, int entry, int previousPlaced,
                     Fragment cellOpening) {
    const QualifyingEntry& e = table.entries.at(static_cast<std::size_t>(entry));
    const EntryGaps gaps = entryGaps(table, entry, previousPlaced);

    frame::writeCell(page, cellOpening, std::to_string(e.startNumber));
    frame::writeCell(page, cellOpening, e.driverName);
    frame::writeCell(page, cellOpening, e.bikeName);
    frame::writeCell(page, cellOpening, formatLapTime(e.bestLap));
    frame::writeCell(page, cellOpening, gaps.toFirst ? formatTimeGap(*gaps.toFirst) : "");
    frame::writeCell(page, cellOpening, gaps.toPrevious ? formatTimeGap(*gaps.toPrevious) : "");
    frame::writeCell(page, cellOpening, e.lapText);
    frame::writeCell(page, cellOpening, oneDecimalText(e.speedKmh) + " km/h");
    if (e.exportNo >= 1 && e.exportNo <= kMaxExports) {
        page.writeFragment(kGridCells[static_cast<std::size_t>(e.exportNo - 1)]);
    }
}

}  // namespace league::omblen
