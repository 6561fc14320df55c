#include "omblen/grid_division.hpp"

#include "omblen/forum_table.hpp"
#include "omblen/grid_page.hpp"
#include "omblen/grid_plan.hpp"
#include "omblen/table_pieces.hpp"

namespace league::omblen {

void writeGrids(QualifyingTable& table, std::int32_t maxDriversInGrid, ReportWriter& resultPage,
                ReportWriter& gridPage, ReportWriter& forumText) {
    writeGridPageHead(gridPage);

    const GridPlan plan = planGrids(table.entryCount, maxDriversInGrid);
    clearPlacedFlags(table);
    int previousPlaced = 0;
    std::int32_t position = 1;

    for (std::int32_t grid = 1; grid <= plan.gridCount; ++grid) {
        const std::int32_t size = plan.sizeOf(grid);
        writeGridTableOpening(gridPage, grid, size);
        writeForumGridOpening(forumText, grid, size);

        for (std::int32_t row = 0; row < size; ++row, ++position) {
            writePositionCell(gridPage, position);
            writeForumPositionCell(forumText, position);
            const int e = nextFastestEntry(table);
            if (e >= 0) {
                // No grey rows here: every driver of a grid starts in it.
                writeEntryCells(gridPage, table, e, previousPlaced, kPlainCell);
                writeForumEntryCells(forumText, table.entries[static_cast<std::size_t>(e)]);
                table.entries[static_cast<std::size_t>(e)].placed = true;
                previousPlaced = e;
            }
            gridPage.writeFragment(" </tr> ");
            writeForumRowEnd(forumText);
        }

        writeForumGridEnd(forumText);
    }

    writeForumEnd(forumText);
    resultPage.writeFragment("</body> \n");
    writeGridPageEnd(gridPage);
}

}  // namespace league::omblen
