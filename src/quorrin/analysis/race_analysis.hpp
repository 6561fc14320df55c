#pragma once
// The race analysis: every order, figure and series that Quorrin's pages show,
// computed once from the finished RaceRecord (after the repairs and the export join)
// and the colour scheme. The pages are written from it and compute nothing themselves.

#include "quorrin/analysis/all_lap_times.hpp"
#include "quorrin/analysis/averages.hpp"
#include "quorrin/analysis/fastest_race_laps.hpp"
#include "quorrin/analysis/graph_values.hpp"
#include "quorrin/analysis/position_board.hpp"
#include "quorrin/analysis/race_chart.hpp"
#include "quorrin/analysis/ranking.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/export_join.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace league::quorrin {

struct RaceAnalysis {
    RiderColours colours;
    /// The first lap of the lap tables: 1, or 2 when the export could not be used (the
    /// first lap then holds the replay's own time, not one derived from the race time).
    std::int32_t firstShownLap = 1;
    /// Only when the export could be used.
    std::optional<PositionBoard> positionBoard;
    FastestRaceLaps fastestRaceLaps;
    LapAverages averages;
    RowSlots consistencyOrder{};
    std::vector<LapRecord> fastestLapDevelopment;
    RowSlots fastestLapCountOrder{};
    LapChart lapChart;
    /// Only when the export could be used.
    std::optional<GraphValues> graphValues;
    /// The lines of the charts page; only when the export could be used and they were
    /// asked for.
    std::optional<RaceChart> raceChart;
};

/// Whether the analysis also works out the lines of the charts page: only a run that
/// draws the charts needs them, and they cost a run without charts time for nothing.
enum class RaceChartLines { Computed, Skipped };

/// Analyses the race; the export's outcome `join` tells whether its race times are in
/// the record.
RaceAnalysis analyseRace(const RaceRecord& race, ExportJoin join, const ColourScheme& scheme,
                         RaceChartLines chartLines = RaceChartLines::Computed);

}  // namespace league::quorrin
