#include "quorrin/pages/driver_cells.hpp"

#include "common/page_frame.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace league::quorrin {

namespace {

// A cell opening in one colour, "<td align="center" bgcolor="#rrggbb"> ", made when the
// program is compiled, since the pages write one for almost every cell.
constexpr std::string_view kColourCellStart = "<td align=\"center\" bgcolor=\"#";
constexpr std::string_view kColourCellEnd = "\"> ";
constexpr std::size_t kColourCellLength = kColourCellStart.size() + 6 + kColourCellEnd.size();
using ColourCell = std::array<char, kColourCellLength>;

// The palette's colours are spelt in lower-case hexadecimal on the pages, the plain
// scheme's marks in capitals.
constexpr std::string_view kLowerCaseDigits = "0123456789abcdef";
constexpr std::string_view kCapitalDigits = "0123456789ABCDEF";

constexpr ColourCell colourCellOf(const PaletteColour& colour, std::string_view digits) {
    ColourCell cell{};
    std::size_t at = 0;
    for (const char c : kColourCellStart) {
        cell[at++] = c;
    }
    for (const std::int32_t component : colour) {
        cell[at++] = digits[static_cast<std::size_t>(component / 16)];
        cell[at++] = digits[static_cast<std::size_t>(component % 16)];
    }
    for (const char c : kColourCellEnd) {
        cell[at++] = c;
    }
    return cell;
}

constexpr std::array<ColourCell, kPaletteSize> buildColourCells() {
    std::array<ColourCell, kPaletteSize> cells{};
    for (std::size_t entry = 0; entry < cells.size(); ++entry) {
        cells[entry] = colourCellOf(kColourPalette[entry], kLowerCaseDigits);
    }
    return cells;
}

constexpr std::array<ColourCell, kPaletteSize> kColourCells = buildColourCells();
constexpr ColourCell kWinnerCell = colourCellOf(*markColourOf(RiderMark::Winner), kCapitalDigits);
constexpr ColourCell kChosenCell = colourCellOf(*markColourOf(RiderMark::Chosen), kCapitalDigits);

void writeColourCell(ReportWriter& page, const ColourCell& cell) {
    page.writeValueText(std::string_view(cell.data(), cell.size()));
}

}  // namespace

void driverCellOpen(ReportWriter& page, const RiderColours& colours, std::int32_t slot) {
    const auto at = static_cast<std::size_t>(slot);
    if (colours.colourful) {
        writeColourCell(page, kColourCells[colours.paletteEntry[at]]);
        return;
    }
    switch (colours.mark[at]) {
    case RiderMark::Winner:
        writeColourCell(page, kWinnerCell);
        break;
    case RiderMark::Chosen:
        writeColourCell(page, kChosenCell);
        break;
    case RiderMark::None:
        page.writeFragment("<td align=\"center\"> ");
        break;
    }
}

void emptyCellOpen(ReportWriter& page, const RiderColours& colours) {
    if (colours.colourful) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#ffffff\"> ");
    } else {
        page.writeFragment("<td align=\"center\"> ");
    }
}

void writeRowNumberCell(ReportWriter& page, std::int32_t row) {
    frame::writeRowNumberCell(page, frame::kGrey, row);
}

void writeMiddleRowNumberCell(ReportWriter& page, std::int32_t row) {
    page.writeFragment("<td align=\"center\" bgcolor=\"#444444\"> ");
    page.writeNumber(row);
    page.writeFragment(" <bgcolor=\"#FFFFFF\" td> ");
}

void writeDriverCell(ReportWriter& page, const RiderColours& colours, std::int32_t slot, std::string_view text) {
    driverCellOpen(page, colours, slot);
    page.writeValueText(text);
    page.writeFragment(frame::kCellEnd);
}

void writeStartNumberCell(ReportWriter& page, const RaceRecord& race, const RiderColours& colours,
                          std::int32_t slot) {
    driverCellOpen(page, colours, slot);
    page.writeNumber(race.startNumber[static_cast<std::size_t>(slot)]);
    page.writeFragment(frame::kCellEnd);
}

void writeNumberAndNameCells(ReportWriter& page, const RaceRecord& race, const RiderColours& colours,
                             std::int32_t slot) {
    writeStartNumberCell(page, race, colours, slot);
    writeDriverCell(page, colours, slot, race.driverName[static_cast<std::size_t>(slot)]);
}

void writeLapColumnCell(ReportWriter& page, const RaceRecord& race, const RiderColours& colours, std::int32_t slot) {
    if (slot == kNoSlot) {
        emptyCellOpen(page, colours);
        page.writeFragment(frame::kCellEnd);
        return;
    }
    writeStartNumberCell(page, race, colours, slot);
}

void writeEmptyRowEnd(ReportWriter& page, const RiderColours& colours) {
    emptyCellOpen(page, colours);
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
