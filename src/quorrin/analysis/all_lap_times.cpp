#include "quorrin/analysis/all_lap_times.hpp"

namespace league::quorrin {

namespace {

// Start numbers from 1 to 999 get a column; 1000 is above every such number.
constexpr std::int32_t kNoColumnNumber = 1000;
}  // namespace

LapShade lapShade(std::int32_t lap, std::int32_t best) {
    LapShade shade;
    // A missing time (0 or less) has no shade: the division would be by zero or
    // meaningless.
    if (lap <= 0 || best <= 0) {
        return shade;
    }
    // 64 bits: lap × 10000 leaves the 32-bit range for laps above 214.748 s. A lap below
    // the best (a half of a split lap) is as red as red gets.
    const std::int64_t red = static_cast<std::int64_t>(lap) * 10000 / best - 9905;
    if (red < 255) {
        shade.red = static_cast<std::uint8_t>(red < 0 ? 0 : red);
    }
    const std::int64_t blue = static_cast<std::int64_t>(best) * 2000 / lap - 1715;
    if (blue <= 255) {
        shade.blue = static_cast<std::uint8_t>(blue < 0 ? 0 : blue);
    }
    return shade;
}

LapChart computeLapChart(const RaceRecord& race, std::int32_t firstShownLap) {
    LapChart chart;
    chart.firstShownLap = firstShownLap;
    chart.columns = slotsInAscendingOrder(race.driverCount, [&](std::int32_t slot) -> std::optional<std::int64_t> {
        const std::int32_t number = race.startNumber[slot];
        if (race.lapsDone[slot] > 1 && number >= 1 && number < kNoColumnNumber) {
            return number;
        }
        return std::nullopt;
    });
    for (std::size_t slot = 0; slot < chart.shade.size(); ++slot) {
        for (std::size_t lap = 1; lap < chart.shade[slot].size(); ++lap) {
            chart.shade[slot][lap] = lapShade(race.lapTime[slot][lap], race.lapTime[slot][0]);
        }
    }
    return chart;
}

}  // namespace league::quorrin
