#pragma once
// The two charts of index.html, drawn with the common chart module: every rider's
// points after each held round, and their standing after each held round, with a
// legend of the riders in the order of the standings.

#include "league/write/text_tables.hpp"

#include "league/standings/season_standings.hpp"

#include "common/colour.hpp"
#include "common/report_writer.hpp"

#include <cstddef>
#include <string>

namespace league::season {

/// The colour of the line of the rider at `index` of a chart's order (the standings,
/// a race's result): twelve colours that tell lines apart on white and for most
/// colour-blind readers; from the thirteenth on they repeat, the name at the line's end
/// tells.
Colour lineColour(std::size_t index);

/// Writes the charts section (nothing before the first held round).
void writeSeasonCharts(ReportWriter& page, const SeasonResult& result);

/// Writes a class's chart of the points after each held round and its legend, their
/// ids starting with `idPrefix` (nothing before the first held round).
void writeClassChart(ReportWriter& page, const SeasonResult& result, const RiderStandings& standings,
                     const std::string& idPrefix);

}  // namespace league::season
