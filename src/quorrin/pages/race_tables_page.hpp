#pragma once
// The race tables page (the replay name + ".html"): the head with the track name, the
// position board when the export could be used, and the five tables that follow it.

#include "common/report_writer.hpp"
#include "quorrin/analysis/race_analysis.hpp"
#include "quorrin/record/race_record.hpp"

namespace league::quorrin {

/// Writes the whole page from the analysis, in the riders' colours.
void writeRaceTablesPage(ReportWriter& page, const RaceRecord& race, const RaceAnalysis& analysis);

}  // namespace league::quorrin
