#pragma once
// The charts page (the replay name + "_charts.html"): the race drawn as two charts, the
// position of every rider at the end of every lap and their gap to the winner's
// average pace, drawn by the common chart module from the race chart of the analysis.
// The page stands on its own (inline SVG and one style element; no script, no other
// file, no web font), so that a league can paste it into its website as it is, and it
// prints one chart per A4 landscape sheet.

#include "common/charts/line_chart.hpp"
#include "common/report_writer.hpp"
#include "quorrin/analysis/race_chart.hpp"

#include <string>

namespace league::quorrin {

/// Writes the whole page.
void writeChartsPage(ReportWriter& page, const std::string& trackName, const RaceChart& chart);

/// The position chart of the page: a line per rider through his positions on the
/// position board, the start numbers at both ends, tooltips "Lap 3: #7 Ann Rider, P2".
charts::LineChart positionChartOf(const std::string& trackName, const RaceChart& chart);

/// The gap chart of the page: a line per rider through his gaps to the winner's
/// average pace, ahead on top, far-out gaps on the edge.
charts::LineChart gapChartOf(const std::string& trackName, const RaceChart& chart);

/// The legend of both charts: the riders with their colours in the order of the result.
charts::Legend resultLegendOf(const RaceChart& chart, Fragment id);

}  // namespace league::quorrin
