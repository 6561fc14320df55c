#pragma once
// The heading that every page of a held round opens with: the season's title, the
// round ("Round 1: Kestrel Bay, 2026-03-14") and the page's links after it; on the
// pages of the round's race night also what the page shows.

#include "league/write/page_variant.hpp"

#include "league/standings/season_standings.hpp"

#include "common/report_writer.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// A link after the round's name.
struct HeadingLink {
    std::string href;
    std::string text;
};

/// Writes the season's title and the round's line with `links`.
void writeRoundHeading(ReportWriter& page, const SeasonResult& result, const HeldRound& round,
                       const std::vector<HeadingLink>& links);

/// The heading of a page in the round's folder: the round's line with, on a page with
/// links, the links to the round's index and to the standings, then `shows`, what the
/// page shows.
void writeRaceNightHeading(ReportWriter& page, const SeasonResult& result, const HeldRound& round,
                           std::string_view shows, PageVariant variant);

}  // namespace league::season
