#pragma once
// The colours of a lap's shade (see lapShade): red near the driver's best lap, blue for
// slow laps, paler the further the lap lies from that end. Quorrin's lap chart and
// League's race analysis both colour their lap cells by this rule.

#include "common/colour.hpp"
#include "quorrin/analysis/all_lap_times.hpp"

#include <cstdint>
#include <optional>

namespace league::quorrin {

/// The colour of a shade's red component: full red, green and blue at the component
/// ("#FFrrrr").
constexpr Colour nearBestColour(std::uint8_t red) {
    return {255, red, red};
}

/// The colour of a shade's blue component: red and green at the component, full blue
/// ("#bbbbFF").
constexpr Colour slowLapColour(std::uint8_t blue) {
    return {blue, blue, 255};
}

/// The one colour a lap cell shows: the red one where the shade has both (a browser
/// takes the first of the lap chart's two colours); none without a shade.
constexpr std::optional<Colour> shownColour(const LapShade& shade) {
    if (shade.red) {
        return nearBestColour(*shade.red);
    }
    if (shade.blue) {
        return slowLapColour(*shade.blue);
    }
    return std::nullopt;
}

}  // namespace league::quorrin
