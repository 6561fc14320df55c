#include "common/page_frame.hpp"

namespace league::frame {

void writeCell(ReportWriter& page, Fragment cellOpening, std::string_view text) {
    page.writeFragment(cellOpening);
    page.writeValueText(text);
    page.writeFragment(kCellEnd);
}

void writeRowNumberCell(ReportWriter& page, Fragment colour, std::int32_t number) {
    page.writeFragment("<td align=\"center\" bgcolor=\"");
    page.writeFragment(colour);
    page.writeFragment("\"> ");
    page.writeNumber(number);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" /td> ");
}

void writeTableEnd(ReportWriter& page) {
    page.writeFragment("</border> ");
    page.writeFragment(" </table>");
}

}  // namespace league::frame
