#include "quorrin/analysis/rider_colours.hpp"

namespace league::quorrin {

RiderColours computeRiderColours(const RaceRecord& race, const ColourScheme& scheme) {
    RiderColours colours;
    colours.colourful = scheme.colourful;
    for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
        const auto at = static_cast<std::size_t>(slot);
        colours.paletteEntry[at] = paletteEntryOf(race.startNumber[at]);
        if (scheme.colourful) {
            colours.mark[at] = RiderMark::None;
        } else if (slot == race.winnerSlot) {
            colours.mark[at] = RiderMark::Winner;
        } else if (race.startNumber[at] == scheme.yellowStartNumber) {
            colours.mark[at] = RiderMark::Chosen;
        } else {
            colours.mark[at] = RiderMark::None;
        }
    }
    return colours;
}

}  // namespace league::quorrin
