#pragma once
// season.json: everything League publishes, for a league's own website or tools:
// the rounds with their classifications, the standings, the teams and the warnings,
// with "format", "format_version" and "generator". Times are whole milliseconds, null
// where there is none. docs/season.schema.json describes it.

#include "league/standings/season_standings.hpp"

#include <string>

namespace league::season {

inline constexpr const char* kSeasonJsonFormat = "korvex-league-season";
/// 2: a held round's races, each with its classification; a round's team penalties;
/// each standings round's races.
inline constexpr int kSeasonJsonFormatVersion = 2;

std::string seasonJson(const SeasonResult& result, const std::vector<std::string>& warnings);

}  // namespace league::season
