#pragma once
// What the admin most likely meant where the season file is not TOML: the three
// mistakes that a season file's first writers make, found from the line the parser
// stopped at, with the line as it would read mended.

#include "league/read/season_mistake.hpp"

#include <string>
#include <string_view>

namespace league::season {

struct TomlHintFound {
    TomlHint hint = TomlHint::None;
    /// The line mended ("date = 2026-02-07"); empty when none can be made.
    std::string writeInstead;
};

/// The hint for the line `line` of a season file that is not TOML there, where the
/// parser said `parserWords`: a double-quoted text with a backslash (a Windows folder:
/// in single quotes a backslash is a backslash); a date written as 07.02.2026,
/// 7/2/2026 or 2026/02/07 (TOML's dates read 2026-02-07); a text that the parser found
/// running into the line's end, with an odd number of quotes.
TomlHintFound tomlHintFor(std::string_view parserWords, std::string_view line);

/// The line numbered `number` (from 1) of `text`, without its line end.
std::string_view lineOfText(std::string_view text, std::int64_t number);

}  // namespace league::season
