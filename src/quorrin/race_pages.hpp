#pragma once
// The race tables page (the replay name + ".html"): the head with the track name, the
// position board when the export could be used, and the five tables that follow it.

#include "common/report_writer.hpp"
#include "quorrin/race_analysis.hpp"
#include "quorrin/race_record.hpp"

#include <cstdint>

namespace league::quorrin {

/// Writes the whole page from the analysis, in the colours of `colourChoice`.
void writeRaceTablesPage(ReportWriter& page, const RaceRecord& race, const RaceAnalysis& analysis,
                         std::int32_t colourChoice);

}  // namespace league::quorrin
