#pragma once
// The graph values page (the replay name + "_G.html"): each driver's position at the
// end of every lap, and his time difference at the end of every lap to the winner's
// average pace, as plain numbers from which the league draws its charts.

#include "common/report_writer.hpp"
#include "quorrin/analysis/graph_values.hpp"
#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/race_record.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

namespace league::quorrin {

/// A difference in milliseconds as signed seconds with three decimals and no minutes:
/// 12345 -> "12.345", -500 -> "-0.500", 61000 -> "61.000".
std::string graphGapText(std::int64_t difference);

/// Room for every graph gap text: a sign, the seconds of a 64-bit value, a point and
/// three digits.
inline constexpr std::size_t kGraphGapTextCapacity = 32;

/// The same written into `out` (kGraphGapTextCapacity characters); returns its end.
char* writeGraphGapText(std::int64_t difference, char* out);

/// Writes the whole page, head and end included.
void writeGraphValuesPage(ReportWriter& page, const RaceRecord& race, const GraphValues& values,
                          const RiderColours& colours);

}  // namespace league::quorrin
