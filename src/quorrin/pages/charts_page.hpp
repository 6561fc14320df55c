#pragma once
// The charts page (the replay name + "_charts.html"): the race drawn as two charts, the
// position of every rider at the end of every lap and their gap to the winner's
// average pace, drawn by the common race charts from the race chart of the analysis in
// the riders' colours of the analysis.
// The page stands on its own (inline SVG and one style element; no script, no other
// file, no web font), so that a league can paste it into its website as it is, and it
// prints one chart per A4 landscape sheet.

#include "common/report_writer.hpp"
#include "quorrin/analysis/race_chart.hpp"

#include <string>

namespace league::quorrin {

/// Writes the whole page.
void writeChartsPage(ReportWriter& page, const std::string& trackName, const RaceChart& chart);

}  // namespace league::quorrin
