#pragma once
// How the driver cells of both pages are coloured: either every driver in the colour
// of his start number (the colourful scheme), or only the winner in red and one chosen
// start number in yellow (the plain scheme). The user picks the scheme at a prompt.

#include "common/console.hpp"
#include "common/report_writer.hpp"
#include "quorrin/race_record.hpp"

#include <array>
#include <cstdint>

namespace league::quorrin {

inline constexpr int kPaletteSize = 100;

/// One colour as its red, green and blue components, each 0..255.
using PaletteColour = std::array<std::int32_t, 3>;
using ColourPalette = std::array<PaletteColour, kPaletteSize>;

/// The palette entry of a start number: white for 0, then each entry changes one
/// component of the one before, so that neighbouring numbers look clearly different.
/// Numbers above 99 wrap around (105 takes the colour of 5), negative numbers take
/// entry 0, white.
const PaletteColour& paletteColourOf(std::int32_t startNumber);

/// Shows the four lines of the colour prompt and reads the answer: 0 chooses the
/// colourful scheme, any other number the plain one (text that is no number gives 0).
std::int32_t askColourChoice(Console& console);

/// Opens a cell that belongs to the driver in `slot`, coloured by the scheme.
void driverCellOpen(ReportWriter& page, const RaceRecord& race, std::int32_t colourChoice, std::int32_t slot);

/// Opens a lap cell that holds no driver: white in the colourful scheme, plain otherwise.
void emptyCellOpen(ReportWriter& page, std::int32_t colourChoice);

}  // namespace league::quorrin
