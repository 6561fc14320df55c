#include "quorrin/colour_scheme.hpp"

#include <ostream>

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

}  // namespace

const PaletteColour& paletteColourOf(std::int32_t startNumber) {
    if (startNumber < 0) {
        return kColourPalette[0];
    }
    return kColourPalette[startNumber % kPaletteSize];
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
        page.writeFragment("<td align=\"center\" bgcolor=\"#");
        for (const std::int32_t component : paletteColourOf(race.startNumber[slot])) {
            page.writeHexByte(component);
        }
        page.writeFragment("\"> ");
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
