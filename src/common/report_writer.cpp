#include "common/report_writer.hpp"

#include "common/time_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace league {

namespace {

// Enough for every page the programs write, so that a page grows without copying.
constexpr std::size_t kUsualPageSize = 128 * 1024;

}  // namespace

ReportWriter::ReportWriter() {
    bytes_.reserve(kUsualPageSize);
}

void ReportWriter::writeFragment(std::string_view text) {
    while (true) {
        const void* lineBreak = std::memchr(text.data(), '\n', text.size());
        if (lineBreak == nullptr) {
            bytes_.append(text);
            return;
        }
        const auto before = static_cast<std::size_t>(static_cast<const char*>(lineBreak) - text.data());
        bytes_.append(text.substr(0, before));
        bytes_.append("\r\n");
        text.remove_prefix(before + 1);
    }
}

void ReportWriter::writeValueText(std::string_view text) {
    bytes_.append(text);
}

void ReportWriter::writeNumber(std::int32_t value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    bytes_.append(text, result.ptr);
}

void ReportWriter::writeHexByte(std::int32_t value) {
    if (value < 16) {
        bytes_.push_back('0');
    }
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<unsigned int>(value), 16);
    bytes_.append(text, result.ptr);
}

void ReportWriter::writeOneDecimal(double value) {
    bytes_.append(oneDecimalText(value));
}

void ReportWriter::formatLapTime(std::int32_t ms) {
    bytes_.append(league::formatLapTime(ms));
}

void ReportWriter::formatTimeGap(std::int32_t ms) {
    bytes_.append(league::formatTimeGap(ms));
}

std::string oneDecimalText(double value) {
    // printf's "%.1f" depends on the C locale's decimal point only; the programs never
    // change the locale, and the point is forced here so that no host setting can.
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    char text[512];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string result(text);
    for (char& c : result) {
        if (c == ',') {
            c = '.';
        }
    }
    return result;
}

void sayPageNotWritten(std::ostream& console, const std::string& name) {
    console << "Can't write " << name << "!" << '\n';
}

bool savePage(Disk& disk, const std::string& name, const ReportWriter& page, std::ostream& console) {
    const auto file = disk.createPage(name);
    if (file) {
        file->write(page.bytes());
        if (file->close()) {
            return true;
        }
    }
    sayPageNotWritten(console, name);
    return false;
}

}  // namespace league
