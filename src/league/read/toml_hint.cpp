#include "league/read/toml_hint.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

namespace league::season {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "07.02.2026", "7/2/2026", "07-02-2026", "2026.02.07" or "2026/02/07" as "2026-02-07";
// "" for anything else. A year at the end follows the day and the month, as calendars
// write them outside the United States, unless the middle number cannot be a month.
std::string yearMonthDay(std::string_view value) {
    const std::size_t end = std::min(value.find_first_of(" \t#"), value.size());
    const std::string_view date = value.substr(0, end);
    std::array<int, 3> numbers{};
    std::array<std::size_t, 3> digits{};
    std::size_t part = 0;
    char separator = 0;
    for (const char c : date) {
        if (isDigit(c)) {
            numbers[part] = numbers[part] * 10 + (c - '0');
            if (++digits[part] > 4) {
                return {};
            }
        } else if ((c == '.' || c == '/' || c == '-') && (separator == 0 || c == separator) && part < 2 &&
                   digits[part] > 0) {
            separator = c;
            ++part;
        } else {
            return {};
        }
    }
    if (part != 2 || digits[2] == 0) {
        return {};
    }
    int year = numbers[2];
    int month = numbers[1];
    int day = numbers[0];
    if (digits[0] == 4) {
        year = numbers[0];
        day = numbers[2];
    } else if (digits[2] != 4) {
        return {};
    } else if (month > 12) {
        std::swap(month, day);
    }
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return {};
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

}  // namespace

TomlHintFound tomlHintFor(std::string_view parserWords, std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string key(trimmed(line.substr(0, equals)));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (!value.empty() && value.front() == '"' && value.find('\\') != std::string_view::npos) {
        const std::size_t close = value.rfind('"');
        const std::string_view inside = value.substr(1, close > 0 ? close - 1 : std::string_view::npos);
        const bool quotable = inside.find('\'') == std::string_view::npos;
        return {TomlHint::FolderInSingleQuotes, quotable ? key + " = '" + std::string(inside) + "'" : ""};
    }
    if (const std::string date = yearMonthDay(value); !date.empty()) {
        return {TomlHint::YearMonthDay, key + " = " + date};
    }
    const auto quotes = std::count(value.begin(), value.end(), '"');
    if (parserWords.find("control characters") != std::string_view::npos && quotes % 2 == 1) {
        return {TomlHint::ClosingQuote, key + " = " + std::string(value) + "\""};
    }
    return {};
}

std::string_view lineOfText(std::string_view text, std::int64_t number) {
    std::size_t start = 0;
    for (std::int64_t line = 1; line < number && start != std::string_view::npos; ++line) {
        start = text.find('\n', start);
        start = start == std::string_view::npos ? start : start + 1;
    }
    if (start == std::string_view::npos || start > text.size()) {
        return {};
    }
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace league::season
