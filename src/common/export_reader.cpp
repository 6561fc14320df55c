#include "common/export_reader.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <utility>

namespace league {

namespace {

bool isStreamWhiteSpace(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' || byte == '\v' || byte == '\f';
}

bool isDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

}  // namespace

void ExportReader::openBytes(std::string bytes, std::int64_t endMargin) {
    bytes_ = std::move(bytes);
    rowRegionEnd_ = size() - endMargin;
    position_ = kRowStart;
    window_.fill('\0');
    failed_ = false;
}

bool ExportReader::takeByte(char& byte) {
    if (failed_ || position_ < 0 || position_ >= size()) {
        failed_ = true;
        return false;
    }
    byte = bytes_[static_cast<std::size_t>(position_)];
    ++position_;
    return true;
}

bool ExportReader::fillWindow(std::size_t count) {
    for (std::size_t place = 0; place < count; ++place) {
        if (!takeByte(window_[place])) {
            return false;
        }
    }
    return true;
}

bool ExportReader::windowMatches(std::string_view pattern) const {
    for (std::size_t place = 0; place < pattern.size(); ++place) {
        if (window_[place] != pattern[place]) {
            return false;
        }
    }
    return true;
}

void ExportReader::scanFor(std::string_view pattern, int lead) {
    const std::size_t length = pattern.size();
    // The lead read fills only the first `lead` places; the comparison still looks at
    // all `length` places, so a lead-1 search sees what earlier operations left.
    if (!fillWindow(static_cast<std::size_t>(lead))) {
        return;
    }
    if (windowMatches(pattern)) {
        return;
    }
    // Step by step the search reads `length` bytes into the window and moves back by
    // length - 1, testing every position from here on. Over the bytes that hold a whole
    // window that is a plain search: found at q, the window holds the pattern and the
    // position is q + 1; not found, the state is that of the last whole window, and the
    // steps below run out of file from there.
    const std::int64_t lastWhole = size() - static_cast<std::int64_t>(length);
    if (!failed_ && position_ >= 0 && position_ <= lastWhole) {
        const std::size_t found = std::string_view(bytes_).find(pattern, static_cast<std::size_t>(position_));
        const std::int64_t at = found == std::string_view::npos ? lastWhole : static_cast<std::int64_t>(found);
        std::copy_n(bytes_.data() + at, length, window_.data());
        window_[length] = '\0';
        position_ = at + 1;
        if (found != std::string_view::npos) {
            return;
        }
    }
    while (true) {
        if (!fillWindow(length)) {
            return;
        }
        window_[length] = '\0';
        position_ -= static_cast<std::int64_t>(length) - 1;
        if (windowMatches(pattern)) {
            return;
        }
    }
}

void ExportReader::nextRow() {
    scanFor("<TR", 3);
    skip(2);
}

void ExportReader::skip(std::int64_t bytes) {
    if (failed_) {
        return;
    }
    position_ += bytes;
}

void ExportReader::skipToTagEnd() {
    if (!takeByte(window_[0])) {
        return;
    }
    while (window_[0] != '>') {
        if (!takeByte(window_[0])) {
            return;
        }
        window_[1] = '\0';
    }
}

void ExportReader::skipWhiteSpace() {
    while (!failed_ && position_ >= 0 && position_ < size() &&
           isStreamWhiteSpace(bytes_[static_cast<std::size_t>(position_)])) {
        ++position_;
    }
}

std::int32_t ExportReader::readNumber() {
    skipWhiteSpace();
    if (failed_ || position_ < 0 || position_ >= size()) {
        failed_ = true;
        return 0;
    }
    bool negative = false;
    char first = bytes_[static_cast<std::size_t>(position_)];
    if (first == '+' || first == '-') {
        negative = first == '-';
        ++position_;
    }
    std::int64_t value = 0;
    bool anyDigit = false;
    bool tooLarge = false;
    while (position_ < size() && isDigit(bytes_[static_cast<std::size_t>(position_)])) {
        anyDigit = true;
        if (!tooLarge) {
            value = value * 10 + (bytes_[static_cast<std::size_t>(position_)] - '0');
            if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
                tooLarge = true;
            }
        }
        ++position_;
    }
    if (negative) {
        value = -value;
    }
    if (!anyDigit || tooLarge || value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min()) {
        failed_ = true;
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ExportReader::readTime() {
    const std::int64_t minutes = readNumber();
    skip(1);
    const std::int64_t seconds = readNumber();
    skip(1);
    const std::int64_t millis = readNumber();
    if (failed_) {
        return 0;
    }
    const std::int64_t total = minutes * 60000 + seconds * 1000 + millis;
    if (total > std::numeric_limits<std::int32_t>::max() || total < std::numeric_limits<std::int32_t>::min()) {
        failed_ = true;
        return 0;
    }
    return static_cast<std::int32_t>(total);
}

std::string ExportReader::readCellText(std::size_t capacity) {
    std::string text;
    bool ended = false;
    char byte = 0;
    while (takeByte(byte)) {
        if (byte == '<') {
            return text;
        }
        ended = ended || byte == '\0';
        if (!ended && text.size() + 1 < capacity) {
            text.push_back(byte);
        }
    }
    return text;
}

double ExportReader::readDecimal() {
    skipWhiteSpace();
    if (failed_ || position_ < 0 || position_ >= size()) {
        failed_ = true;
        return 0.0;
    }
    const std::int64_t start = position_;
    auto at = [this](std::int64_t i) { return i < size() ? bytes_[static_cast<std::size_t>(i)] : '\0'; };
    std::int64_t end = start;
    if (at(end) == '+' || at(end) == '-') {
        ++end;
    }
    std::int64_t digits = 0;
    while (isDigit(at(end))) {
        ++end;
        ++digits;
    }
    if (at(end) == '.') {
        ++end;
        while (isDigit(at(end))) {
            ++end;
            ++digits;
        }
    }
    if (digits == 0) {
        failed_ = true;
        return 0.0;
    }
    // An exponent counts only when digits follow it.
    if (at(end) == 'e' || at(end) == 'E') {
        std::int64_t exponentEnd = end + 1;
        if (at(exponentEnd) == '+' || at(exponentEnd) == '-') {
            ++exponentEnd;
        }
        if (isDigit(at(exponentEnd))) {
            while (isDigit(at(exponentEnd))) {
                ++exponentEnd;
            }
            end = exponentEnd;
        }
    }
    const char* first = bytes_.data() + start;
    const char* last = bytes_.data() + end;
    if (*first == '+') {
        ++first;  // from_chars takes no plus sign; the stream extraction does
    }
    position_ = end;
    // Parsed in the C locale's form (a point, never a comma), whatever the host's locale.
    double value = 0.0;
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc{} || stop != last || !std::isfinite(value)) {
        failed_ = true;
        return 0.0;
    }
    return value;
}

char ExportReader::readByte() {
    if (!takeByte(window_[0])) {
        return '\0';
    }
    return window_[0];
}

}  // namespace league
