#include "quorrin/table_cells.hpp"

#include "common/page_frame.hpp"
#include "quorrin/colour_scheme.hpp"

#include <string>

namespace league::quorrin {

RowSlots emptyRows() {
    RowSlots rows{};
    rows.fill(kNoSlot);
    return rows;
}

void writeRowNumberCell(ReportWriter& page, std::int32_t row) {
    frame::writeRowNumberCell(page, frame::kGrey, row);
}

void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row) {
    page.writeFragment("<td align=\"center\" bgcolor=\"#444444\"> ");
    page.writeNumber(row);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" td> ");
}

void writeDriverCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot,
                     std::string_view text) {
    driverCellOpen(page, race, colourChoice, slot);
    page.writeValueText(text);
    page.writeFragment(frame::kCellEnd);
}

void writeStartNumberCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot) {
    driverCellOpen(page, race, colourChoice, slot);
    page.writeNumber(race.startNumber[slot]);
    page.writeFragment(frame::kCellEnd);
}

void writeNumberAndNameCells(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice,
                             std::int32_t slot) {
    writeStartNumberCell(page, race, colourChoice, slot);
    writeDriverCell(page, race, colourChoice, slot, race.driverName[slot]);
}

void writeLapColumnCell(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot) {
    if (slot == kNoSlot) {
        emptyCellOpen(page, colourChoice);
        page.writeFragment(frame::kCellEnd);
        return;
    }
    writeStartNumberCell(page, race, colourChoice, slot);
}

void writeEmptyRowEnd(ReportWriter& page, std::int32_t colourChoice) {
    emptyCellOpen(page, colourChoice);
    page.writeFragment(" </td>");
    page.writeFragment(frame::kRowEnd);
}

void writeLapHeaderCells(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap) {
    for (std::int32_t lap = firstLap; lap <= lastLap; ++lap) {
        page.writeFragment(" </td>\n <td align=\"center\">");
        page.writeNumber(lap);
    }
}

void writeLapTableHeaderStart(ReportWriter& page, std::int32_t firstLap, std::int32_t lastLap) {
    page.writeFragment(" <tr bgcolor=\"#444444\"> <td align=\"center\" bgcolor=\"#444444\">pos");
    writeLapHeaderCells(page, firstLap, lastLap);
    page.writeFragment(" </td>\n<td bgcolor=\"#444444\">pos ");
    page.writeFragment("</td>\n<td align=\"center\">#");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    page.writeFragment(" </td>\n <td align=\"center\">  bike");
}

}  // namespace league::quorrin
