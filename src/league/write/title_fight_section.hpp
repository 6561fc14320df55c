#pragma once
// The title fight's section of the standings page: the points still available, the
// riders who can still win (most total, gap, in their own hands), and the champion
// with the round that decided it.

#include "league/write/page_variant.hpp"

#include "league/standings/season_standings.hpp"

#include "common/report_writer.hpp"

namespace league::season {

/// Writes the section "Title fight" of `fight` (the season's, or that of any standings
/// of `result`'s riders), unless it is not worth showing (showsTitleFight).
void writeTitleFightSection(ReportWriter& page, const SeasonResult& result, const TitleFight& fight,
                            PageVariant variant);

}  // namespace league::season
