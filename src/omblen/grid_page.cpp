#include "omblen/grid_page.hpp"

#include "omblen/table_pieces.hpp"

namespace league::omblen {

void writeGridPageHead(ReportWriter& page) {
    writePageHead(page, "<BR> \n");
}

void writeGridTableOpening(ReportWriter& page, std::int32_t grid, std::int32_t size) {
    page.writeFragment("<div> ");
    page.writeFragment("<table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<caption align=\"center\">GRID  ");
    page.writeNumber(grid);
    page.writeFragment(" - ");
    page.writeNumber(size);
    page.writeFragment(" DRIVERS");
    page.writeFragment("</caption> \n ");
    writeHeaderRow(page);
}

void writeGridPageEnd(ReportWriter& page) {
    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
    page.writeFragment(" </div>");
    page.writeFragment("<br clear=\"all\"> ");
    page.writeFragment(" <BR>");
    page.writeFragment("</body> \n");
}

}  // namespace league::omblen
