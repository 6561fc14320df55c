#include "common/time_text.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace league {

namespace {

// The text of a non-negative time; 64 bits so that the absolute value of the most
// negative 32-bit time fits as well.
std::string nonNegativeLapTime(std::int64_t t) {
    std::string text;
    const std::int64_t minutes = t / 60000;
    const std::int64_t seconds = (t / 1000) % 60;
    const std::int64_t millis = t - (t / 1000) * 1000;
    if (minutes > 0) {
        text += std::to_string(minutes);
        text += ':';
        if (seconds < 10) {
            text += '0';
        }
    }
    text += std::to_string(seconds);
    text += '.';
    text += threeDigitMillis(millis);
    return text;
}

std::int64_t absoluteValue(std::int32_t ms) {
    const std::int64_t wide = ms;
    return wide < 0 ? -wide : wide;
}

}  // namespace

std::int32_t timeDifference(std::int32_t later, std::int32_t earlier) {
    // In 64 bits, where the difference of any two 32-bit times fits.
    const std::int64_t difference = std::int64_t{later} - std::int64_t{earlier};
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(difference, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::string threeDigitMillis(std::int64_t millis) {
    std::string text;
    if (millis < 10) {
        text += '0';
    }
    if (millis < 100) {
        text += '0';
    }
    return text + std::to_string(millis);
}

std::string formatLapTime(std::int32_t ms) {
    if (ms < 0) {
        return "-" + nonNegativeLapTime(absoluteValue(ms));
    }
    return nonNegativeLapTime(ms);
}

std::string formatTimeGap(std::int32_t ms) {
    if (ms < 0) {
        return "+" + nonNegativeLapTime(absoluteValue(ms));
    }
    return "-" + nonNegativeLapTime(ms);
}

}  // namespace league
