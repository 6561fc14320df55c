#include "quorrin/analysis/race_analysis.hpp"

#include "quorrin/analysis/consistency.hpp"
#include "quorrin/analysis/fastest_lap_counts.hpp"
#include "quorrin/analysis/fastest_lap_development.hpp"

namespace league::quorrin {

RaceAnalysis analyseRace(const RaceRecord& race, ExportJoin join, const ColourScheme& scheme,
                         RaceChartLines chartLines) {
    const bool exportUsed = join == ExportJoin::Joined;
    const std::int32_t firstShownLap = exportUsed ? 1 : 2;
    // Each part is made in its place in the analysis, without a copy.
    RaceAnalysis analysis{
        .colours = computeRiderColours(race, scheme),
        .firstShownLap = firstShownLap,
        .positionBoard = exportUsed ? std::optional<PositionBoard>(computePositionBoard(race)) : std::nullopt,
        .fastestRaceLaps = computeFastestRaceLaps(race, firstShownLap),
        .averages = computeLapAverages(race),
        .consistencyOrder = {},
        .fastestLapDevelopment = computeFastestLapDevelopment(race),
        .fastestLapCountOrder = {},
        .lapChart = computeLapChart(race, firstShownLap),
        .graphValues = exportUsed ? std::optional<GraphValues>(computeGraphValues(race)) : std::nullopt,
        .raceChart = std::nullopt,
    };
    analysis.consistencyOrder = computeConsistencyOrder(race, analysis.averages);
    analysis.fastestLapCountOrder = computeFastestLapCountOrder(analysis.fastestRaceLaps.fastestLapCount);
    if (chartLines == RaceChartLines::Computed && analysis.positionBoard && analysis.graphValues) {
        analysis.raceChart = computeRaceChart(race, *analysis.positionBoard, *analysis.graphValues, analysis.colours);
    }
    return analysis;
}

}  // namespace league::quorrin
