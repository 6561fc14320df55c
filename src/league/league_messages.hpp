#pragma once
// The sentences League says about a season: why it cannot be published, and what the
// admin should know about one that is. The only place where League's readers' and
// computations' findings become words; the season file's name starts the sentences
// that point into it.

#include "league/read/season_mistake.hpp"
#include "league/read/season_warning.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace league::season {

/// The one line that stops the run: "cup2026.toml, line 5: unknown key "drop_worts"".
std::string mistakeText(const SeasonMistake& mistake, std::string_view seasonFileName);

/// A warning as listed at the end of the run and kept in season.json.
std::string warningText(const SeasonWarning& warning, std::string_view seasonFileName);

/// Every warning's text, in order.
std::vector<std::string> warningTexts(const std::vector<SeasonWarning>& warnings, std::string_view seasonFileName);

}  // namespace league::season
