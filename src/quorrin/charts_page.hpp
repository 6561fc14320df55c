#pragma once
// The charts page (the replay name + "_charts.html"): the race drawn as two charts, the
// position of every rider at the end of every lap and their gap to the winner's
// average pace, from the same values as the graph values page. The page stands on its
// own (inline SVG and one style element; no script, no other file, no web font), so
// that a league can paste it into its website as it is, and it prints one chart per
// A4 landscape sheet.

#include "common/report_writer.hpp"
#include "quorrin/race_analysis.hpp"
#include "quorrin/race_record.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::quorrin {

/// One rider's line in both charts.
struct ChartRider {
    std::int32_t startNumber = 0;
    /// The bytes read from the replay, not escaped.
    std::string name;
    /// Red, green and blue, 0..255: the colour of the rider's line.
    std::array<std::int32_t, 3> colour{};
    /// Drawn thicker than the others (plain scheme: the winner and the rider picked
    /// for yellow).
    bool thickLine = false;
    /// Position in the final result; 0 for none.
    std::int32_t finalPosition = 0;
    /// Element k - 1 is the position at the end of lap k; 0 when the lap was not completed.
    std::vector<std::int32_t> positionAtLap;
    /// Element k - 1 is the gap at the end of lap k in milliseconds; nothing for an
    /// empty cell of the graph values page.
    std::vector<std::optional<std::int64_t>> gapAtLap;
};

struct RaceChart {
    std::string trackName;
    /// The laps along the x axis: 1 to lapCount.
    std::int32_t lapCount = 0;
    /// In the row order of the graph values page.
    std::vector<ChartRider> riders;
};

/// The riders of the graph values page with their positions and gaps, their final
/// positions and the colours of the scheme chosen by `colourChoice`. Without the export
/// there is no rider to draw.
RaceChart computeRaceChart(const RaceRecord& race, const RaceAnalysis& analysis, std::int32_t colourChoice);

/// Writes the whole page.
void writeChartsPage(ReportWriter& page, const RaceChart& chart);

}  // namespace league::quorrin
