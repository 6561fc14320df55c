#include "omblen/grid_page.hpp"

#include "common/page_frame.hpp"
#include "omblen/table_pieces.hpp"

namespace league::omblen {

namespace {

void writeGridTableOpening(ReportWriter& page, std::int32_t grid, std::int32_t size) {
    page.writeFragment(frame::kBlockOpen);
    page.writeFragment(frame::kTableOpenLeft);
    page.writeFragment("<caption align=\"center\">GRID  ");
    page.writeNumber(grid);
    page.writeFragment(" - ");
    page.writeNumber(size);
    page.writeFragment(" DRIVERS");
    page.writeFragment("</caption> \n ");
    writeHeaderRow(page);
}

}  // namespace

void writeGridPage(ReportWriter& page, const QualifyingTable& table, const std::vector<int>& ranking,
                   const GridPlan& plan) {
    writePageHead(page, "<BR> \n");
    std::int32_t position = 1;
    for (std::int32_t grid = 1; grid <= plan.gridCount; ++grid) {
        const std::int32_t size = plan.sizeOf(grid);
        // Each grid opens a table of its own; they are all closed once, at the end.
        writeGridTableOpening(page, grid, size);
        for (std::int32_t row = 0; row < size; ++row, ++position) {
            frame::writeRowNumberCell(page, frame::kGreen, position);
            const auto rank = static_cast<std::size_t>(position - 1);
            if (rank < ranking.size()) {
                writeEntryCells(page, table, ranking[rank], previousPlaced(ranking, rank), frame::kPlainCell);
            }
            page.writeFragment(frame::kRowEnd);
        }
    }
    frame::writeTableEnd(page);
    page.writeFragment(" </div>");
    page.writeFragment(frame::kBreakClear);
    page.writeFragment(" <BR>");
    page.writeFragment("</body> \n");
}

}  // namespace league::omblen
