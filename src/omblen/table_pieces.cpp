#include "omblen/table_pieces.hpp"

#include "common/export_dialogue.hpp"
#include "common/time_text.hpp"

#include <array>
#include <string>

namespace league::omblen {

namespace {

// The grid cell of exports 1 to 4, each grid in its own colour.
constexpr std::array<std::string_view, kMaxExports> kGridCells = {
    "<td align=\"center\" bgcolor=\"#DDDD00\">G1</td> ",
    "<td align=\"center\" bgcolor=\"#0033FF\">G2</td> ",
    "<td align=\"center\" bgcolor=\"#DD0000\">G3</td> ",
    "<td align=\"center\" bgcolor=\"#0000FF\">G4</td> ",
};

// One cell: its opening, `text` byte for byte, and the cell end.
void writeCell(ReportWriter& page, std::string_view cellOpening, std::string_view text) {
    page.writeFragment(cellOpening);
    page.writeValueText(text);
    page.writeFragment(" </td> ");
}

}  // namespace

void writePageHead(ReportWriter& page, std::string_view lineBreakPiece) {
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

void writePositionCell(ReportWriter& page, std::int32_t position) {
    page.writeFragment("<td align=\"center\" bgcolor=\"#00FF00\"> ");
    page.writeNumber(position);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" /td> ");
}

void writeEntryCells(ReportWriter& page, const QualifyingTable& table, int entry, int previousPlaced,
                     std::string_view cellOpening) {
    const QualifyingEntry& e = table.entries.at(static_cast<std::size_t>(entry));
    const QualifyingEntry& previous = table.entries.at(static_cast<std::size_t>(previousPlaced));
    // The gaps are left empty for the best time only; a driver as fast as the one
    // before him, but slower than the best, gets -0.000 to the previous.
    const bool behindBest = e.bestLap > table.bestOverall;

    writeCell(page, cellOpening, std::to_string(e.startNumber));
    writeCell(page, cellOpening, e.driverName);
    writeCell(page, cellOpening, e.bikeName);
    writeCell(page, cellOpening, formatLapTime(e.bestLap));
    writeCell(page, cellOpening, behindBest ? formatTimeGap(timeDifference(e.bestLap, table.bestOverall)) : "");
    writeCell(page, cellOpening, behindBest ? formatTimeGap(timeDifference(e.bestLap, previous.bestLap)) : "");
    writeCell(page, cellOpening, e.lapText);
    writeCell(page, cellOpening, oneDecimalText(e.speedKmh) + " km/h");
    if (e.exportNo >= 1 && e.exportNo <= kMaxExports) {
        page.writeFragment(kGridCells[static_cast<std::size_t>(e.exportNo - 1)]);
    }
}

}  // namespace league::omblen
