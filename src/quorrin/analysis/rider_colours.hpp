#pragma once
// The colours of the riders on the pages and in the charts. The user picks a colour
// scheme once: colourful, every rider in the colour of his start number, or plain,
// with the winner in red and one chosen start number in yellow. Each rider's colour is
// worked out here, once, and every page and chart takes it from here.

#include "quorrin/record/race_record.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace league::quorrin {

inline constexpr int kPaletteSize = 100;

/// One colour as its red, green and blue components, each 0..255.
using PaletteColour = std::array<std::int32_t, 3>;
using ColourPalette = std::array<PaletteColour, kPaletteSize>;

/// The palette: white for start number 0, then each entry changes one component of the
/// one before, so that neighbouring numbers look clearly different.
constexpr ColourPalette buildColourPalette() {
    // Entry i repeats entry i - 1 except for component i mod 3, which moves on by that
    // component's step, so the components change in turn: second, third, first.
    constexpr std::array<std::int32_t, 3> step{91, 72, 97};
    ColourPalette palette{};
    palette[0] = {255, 255, 255};
    for (std::size_t i = 1; i < palette.size(); ++i) {
        palette[i] = palette[i - 1];
        const std::size_t component = i % 3;
        palette[i][component] = (palette[i - 1][component] + step[component]) % 256;
    }
    return palette;
}

inline constexpr ColourPalette kColourPalette = buildColourPalette();

/// The palette entry of a start number: numbers above 99 wrap around (105 takes the
/// colour of 5), negative numbers take entry 0, white.
constexpr std::size_t paletteEntryOf(std::int32_t startNumber) {
    return startNumber < 0 ? 0 : static_cast<std::size_t>(startNumber % kPaletteSize);
}

/// The scheme the user chose at the colour prompt.
struct ColourScheme {
    /// Every rider in the colour of his start number; otherwise the plain scheme.
    bool colourful = true;
    /// In the plain scheme: the start number whose rider is marked in yellow.
    std::int32_t yellowStartNumber = 0;

    /// The scheme of the colour answer: 0 chooses the colourful scheme, any other
    /// number the plain one with that number in yellow.
    static ColourScheme fromAnswer(std::int32_t answer) { return ColourScheme{answer == 0, answer}; }
};

/// How a rider stands out in the plain scheme.
enum class RiderMark {
    None,
    Winner,  ///< red
    Chosen,  ///< yellow: the start number the user chose
};

/// The colour of a rider's mark in the plain scheme, on the tables' cells and the
/// charts' lines alike: red for the winner, yellow for the chosen start number;
/// nothing for a rider without a mark, who keeps the colour of his start number.
constexpr std::optional<PaletteColour> markColourOf(RiderMark mark) {
    switch (mark) {
    case RiderMark::Winner:
        return PaletteColour{255, 0, 0};
    case RiderMark::Chosen:
        return PaletteColour{255, 255, 0};
    case RiderMark::None:
        break;
    }
    return std::nullopt;
}

struct RiderColours {
    bool colourful = true;
    /// Each slot's palette entry, by its start number.
    std::array<std::size_t, kSlotCount> paletteEntry{};
    /// Each slot's mark in the plain scheme; None for everybody in the colourful one.
    std::array<RiderMark, kSlotCount> mark{};
};

/// The colour of every slot under `scheme`. Red wins over yellow: the winner stays red
/// even when his number was chosen; without a winner nobody is red.
RiderColours computeRiderColours(const RaceRecord& race, const ColourScheme& scheme);

}  // namespace league::quorrin
