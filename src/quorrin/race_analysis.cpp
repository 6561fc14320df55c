#include "quorrin/race_analysis.hpp"

#include "quorrin/consistency.hpp"
#include "quorrin/fastest_lap_counts.hpp"
#include "quorrin/fastest_lap_development.hpp"

namespace league::quorrin {

RaceAnalysis analyseRace(const RaceRecord& race) {
    RaceAnalysis analysis;
    analysis.firstShownLap = race.positionTableFailed ? 2 : 1;
    if (!race.positionTableFailed) {
        analysis.positionBoard = computePositionBoard(race);
        analysis.graphValues = computeGraphValues(race);
    }
    analysis.fastestRaceLaps = computeFastestRaceLaps(race, analysis.firstShownLap);
    analysis.consistencyOrder = computeConsistencyOrder(race);
    analysis.fastestLapDevelopment = computeFastestLapDevelopment(race);
    analysis.fastestLapCountOrder = computeFastestLapCountOrder(analysis.fastestRaceLaps.fastestLapCount);
    analysis.lapChart = computeLapChart(race, analysis.firstShownLap);
    return analysis;
}

}  // namespace league::quorrin
