#pragma once
// The graph values page (the replay name + "_G.html"): each driver's position at the
// end of every lap, and his time difference at the end of every lap to the winner's
// average pace, as plain numbers from which the league draws its charts.

#include "common/folder.hpp"
#include "common/report_writer.hpp"
#include "quorrin/race_page_state.hpp"
#include "quorrin/race_record.hpp"

#include <cstdint>
#include <ostream>
#include <string>

namespace league::quorrin {

/// A difference in milliseconds as signed seconds with three decimals and no minutes:
/// 12345 -> "12.345", -500 -> "-0.500", 61000 -> "61.000".
std::string graphGapText(std::int64_t difference);

/// Writes both tables of the page into an open page, head and end included.
void writeGraphValues(ReportWriter& page, const RaceRecord& race, RacePageState& state);

/// Creates `graphFileName` in the folder and writes the page; false when the page
/// could not be created (the message went to `console`).
bool writeGraphValuesPage(const Folder& folder, const RaceRecord& race, RacePageState& state,
                          std::ostream& console);

}  // namespace league::quorrin
