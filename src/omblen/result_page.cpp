#include "omblen/result_page.hpp"

#include "common/page_frame.hpp"
#include "omblen/table_pieces.hpp"

namespace league::omblen {

void writeResultPage(ReportWriter& page, const QualifyingTable& table, const std::vector<int>& ranking,
                     bool gridsDivided) {
    // Rows above 107 % of the best time are grey. In 64 bits: odd exports can hold a
    // best time far below zero, whose product with 107 leaves 32 bits.
    const std::int64_t slowThreshold = std::int64_t{table.bestOverall} * 107 / 100;

    writePageHead(page, "<BR>");
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">PRACTICE OR QUALIFICATION RESULT </caption> \n ");
    writeHeaderRow(page);

    // Every entry has a position; those without a ranked time leave the last ones empty.
    for (std::int32_t position = 1; position <= table.entryCount; ++position) {
        frame::writeRowNumberCell(page, frame::kGreen, position);
        const auto rank = static_cast<std::size_t>(position - 1);
        if (rank < ranking.size()) {
            const int entry = ranking[rank];
            const bool slow = table.entries[static_cast<std::size_t>(entry)].bestLap > slowThreshold;
            writeEntryCells(page, table, entry, previousPlaced(ranking, rank),
                            slow ? frame::kGreyCell : frame::kPlainCell);
        }
        page.writeFragment(frame::kRowEnd);
    }

    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
    page.writeFragment("</body>");
    page.writeFragment(" <BR>");
    if (gridsDivided) {
        page.writeFragment("</body> \n");
    }
}

}  // namespace league::omblen
