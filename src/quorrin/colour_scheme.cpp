#include "quorrin/colour_scheme.hpp"

#include <cstddef>
#include <ostream>
#include <string_view>

namespace league::quorrin {

namespace {

constexpr ColourPalette buildColourPalette() {
    // Entry i repeats entry i - 1 except for component i mod 3, which moves on by that
    // component's step, so the components change in turn: second, third, first.
    constexpr std::array<std::int32_t, 3> step{91, 72, 97};
    ColourPalette palette{};
    palette[0] = {255, 255, 255};
    for (int i = 1; i < kPaletteSize; ++i) {
        palette[i] = palette[i - 1];
        const int component = i % 3;
        palette[i][component] = (palette[i - 1][component] + step[component]) % 256;
    }
    return palette;
}

constexpr ColourPalette kColourPalette = buildColourPalette();

// The cell opening of every palette entry, "<td align="center" bgcolor="#rrggbb"> ", made
// once, since the colourful scheme writes one for almost every cell of both pages.
constexpr std::string_view kColourCellStart = "<td align=\"center\" bgcolor=\"#";
constexpr std::string_view kColourCellEnd = "\"> ";
constexpr std::size_t kColourCellLength = kColourCellStart.size() + 6 + kColourCellEnd.size();
using ColourCell = std::array<char, kColourCellLength>;

constexpr std::array<ColourCell, kPaletteSize> buildColourCells() {
    constexpr std::string_view digits = "0123456789abcdef";
    std::array<ColourCell, kPaletteSize> cells{};
    for (std::size_t entry = 0; entry < cells.size(); ++entry) {
        std::size_t at = 0;
        for (const char c : kColourCellStart) {
            cells[entry][at++] = c;
        }
        for (const std::int32_t component : kColourPalette[entry]) {
            cells[entry][at++] = digits[static_cast<std::size_t>(component / 16)];
            cells[entry][at++] = digits[static_cast<std::size_t>(component % 16)];
        }
        for (const char c : kColourCellEnd) {
            cells[entry][at++] = c;
        }
    }
    return cells;
}

constexpr std::array<ColourCell, kPaletteSize> kColourCells = buildColourCells();

std::size_t paletteEntryOf(std::int32_t startNumber) {
    return startNumber < 0 ? 0 : static_cast<std::size_t>(startNumber % kPaletteSize);
}

}  // namespace

const PaletteColour& paletteColourOf(std::int32_t startNumber) {
    return kColourPalette[paletteEntryOf(startNumber)];
}

std::int32_t askColourChoice(Console& console) {
    console.out() << "If you like very colourful tables put in number 0!" << '\n'
                  << "Otherwise only the winner of the race will be assigned in red." << '\n'
                  << "Put in the starting number of the driver that you would assign in yellow!" << '\n'
                  << "If you want only assigned the winner put in a non existing starting number!" << '\n';
    return readAnswerNumber(console, 0);
}

void driverCellOpen(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot) {
    if (colourChoice == 0) {
        const ColourCell& cell = kColourCells[paletteEntryOf(race.startNumber[slot])];
        page.writeValueText(std::string_view(cell.data(), cell.size()));
        return;
    }
    // Red wins over yellow: the winner stays red even when his number was chosen.
    if (slot == race.winnerSlot) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#FF0000\"> ");
    } else if (race.startNumber[slot] == colourChoice) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#FFFF00\"> ");
    } else {
        page.writeFragment("<td align=\"center\"> ");
    }
}

void emptyCellOpen(ReportWriter& page, std::int32_t colourChoice) {
    if (colourChoice == 0) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#ffffff\"> ");
    } else {
        page.writeFragment("<td align=\"center\"> ");
    }
}

}  // namespace league::quorrin
