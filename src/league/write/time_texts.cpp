#include "league/write/time_texts.hpp"

#include "common/time_text.hpp"

namespace league::season {

std::string timeOrDash(std::int32_t ms) {
    return ms > 0 && ms < kNoTime ? formatLapTime(ms) : "\u2013";
}

std::string plusGap(std::int32_t ms) {
    return ms > 0 ? "+" + formatLapTime(ms) : std::string();
}

}  // namespace league::season
