#include "quorrin/race_analysis.hpp"

#include "quorrin/consistency.hpp"
#include "quorrin/fastest_lap_counts.hpp"
#include "quorrin/fastest_lap_development.hpp"

namespace league::quorrin {

RaceAnalysis analyseRace(const RaceRecord& race) {
    const std::int32_t firstShownLap = race.positionTableFailed ? 2 : 1;
    const bool exportUsed = !race.positionTableFailed;
    // Each part is made in its place in the analysis, without a copy.
    RaceAnalysis analysis{
        .firstShownLap = firstShownLap,
        .positionBoard = exportUsed ? std::optional<PositionBoard>(computePositionBoard(race)) : std::nullopt,
        .fastestRaceLaps = computeFastestRaceLaps(race, firstShownLap),
        .consistencyOrder = computeConsistencyOrder(race),
        .fastestLapDevelopment = computeFastestLapDevelopment(race),
        .fastestLapCountOrder = {},
        .lapChart = computeLapChart(race, firstShownLap),
        .graphValues = exportUsed ? std::optional<GraphValues>(computeGraphValues(race)) : std::nullopt,
    };
    analysis.fastestLapCountOrder = computeFastestLapCountOrder(analysis.fastestRaceLaps.fastestLapCount);
    return analysis;
}

}  // namespace league::quorrin
