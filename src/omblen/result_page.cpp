#include "omblen/result_page.hpp"

#include "omblen/table_pieces.hpp"

namespace league::omblen {

void writeResultPage(QualifyingTable& table, ReportWriter& page) {
    // Rows above 107 % of the best time are grey. In 64 bits: odd exports can hold a
    // best time far below zero, whose product with 107 leaves 32 bits.
    const std::int64_t slowThreshold = std::int64_t{table.bestOverall} * 107 / 100;
    int previousPlaced = 0;

    writePageHead(page, "<BR>");
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\">PRACTICE OR QUALIFICATION RESULT </caption> \n ");
    writeHeaderRow(page);

    for (std::int32_t position = 1; position <= table.entryCount; ++position) {
        writePositionCell(page, position);
        const int e = nextFastestEntry(table);
        if (e >= 0) {
            const QualifyingEntry& entry = table.entries[static_cast<std::size_t>(e)];
            writeEntryCells(page, table, e, previousPlaced, entry.bestLap > slowThreshold ? kGreyCell : kPlainCell);
            table.entries[static_cast<std::size_t>(e)].placed = true;
            previousPlaced = e;
        }
        page.writeFragment(" </tr> ");
    }

    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment("</body>");
    page.writeFragment(" <BR>");
}

}  // namespace league::omblen
