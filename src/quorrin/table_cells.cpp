#include "quorrin/table_cells.hpp"

namespace league::quorrin {

void writeRowNumberCell(ReportWriter& page, std::int32_t row) {
    page.writeFragment("<td align=\"center\" bgcolor=\"#444444\"> ");
    page.writeNumber(row);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" /td> ");
}

void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row) {
    page.writeFragment("<td align=\"center\" bgcolor=\"#444444\"> ");
    page.writeNumber(row);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" td> ");
}

void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap) {
    for (std::int32_t lap = firstLap; lap <= lastLap; ++lap) {
        page.writeFragment(" </td>\n <td align=\"center\">");
        page.writeNumber(lap);
    }
}

}  // namespace league::quorrin
