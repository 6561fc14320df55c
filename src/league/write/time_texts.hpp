#pragma once
// Times as League's tables show them.

#include <cstdint>
#include <string>

namespace league::season {

/// A time in milliseconds as "1:23.456"; "–" for none (0 or less, or no time at all).
std::string timeOrDash(std::int32_t ms);

/// A gap behind the first in milliseconds as "+1.234"; "" for none (0 or less).
std::string plusGap(std::int32_t ms);

}  // namespace league::season
