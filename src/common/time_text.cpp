#include "common/time_text.hpp"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace league {

namespace {

char* writeDecimal(std::int64_t value, char* out) {
    return std::to_chars(out, out + kTimeTextCapacity, value).ptr;
}

// Two digits of a number 0 to 99.
char* writeTwoDigits(std::int64_t value, char* out) {
    *out++ = static_cast<char>('0' + value / 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

// The text of a non-negative time; 64 bits so that the absolute value of the most
// negative 32-bit time fits as well.
char* writeNonNegativeLapTime(std::int64_t t, char* out) {
    const std::int64_t minutes = t / 60000;
    const std::int64_t seconds = (t / 1000) % 60;
    const std::int64_t millis = t - (t / 1000) * 1000;
    if (minutes > 0) {
        out = writeDecimal(minutes, out);
        *out++ = ':';
        out = writeTwoDigits(seconds, out);
    } else if (seconds < 10) {
        *out++ = static_cast<char>('0' + seconds);
    } else {
        out = writeTwoDigits(seconds, out);
    }
    *out++ = '.';
    return writeThreeDigitMillis(millis, out);
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

char* writeThreeDigitMillis(std::int64_t millis, char* out) {
    if (millis >= 0 && millis < 1000) {
        *out++ = static_cast<char>('0' + millis / 100);
        return writeTwoDigits(millis % 100, out);
    }
    if (millis < 10) {
        *out++ = '0';
    }
    if (millis < 100) {
        *out++ = '0';
    }
    return writeDecimal(millis, out);
}

char* writeLapTime(std::int32_t ms, char* out) {
    if (ms < 0) {
        *out++ = '-';
    }
    return writeNonNegativeLapTime(absoluteValue(ms), out);
}

char* writeTimeGap(std::int32_t ms, char* out) {
    *out++ = ms < 0 ? '+' : '-';
    return writeNonNegativeLapTime(absoluteValue(ms), out);
}

std::string formatLapTime(std::int32_t ms) {
    char text[kTimeTextCapacity];
    return std::string(text, writeLapTime(ms, text));
}

std::string formatTimeGap(std::int32_t ms) {
    char text[kTimeTextCapacity];
    return std::string(text, writeTimeGap(ms, text));
}

}  // namespace league
