#include "common/report_writer.hpp"

#include "common/console.hpp"
#include "common/time_text.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <ostream>
#include <utility>

namespace league {

namespace {

// Enough for every page the programs write, so that a page grows without copying.
constexpr std::size_t kUsualPageSize = 256 * 1024;

}  // namespace

ReportWriter::ReportWriter(PageConventions conventions)
    : conventions_(conventions), buffer_(new char[kUsualPageSize]), capacity_(kUsualPageSize) {}

void ReportWriter::grow(std::size_t length) {
    std::size_t capacity = capacity_ * 2;
    while (length > capacity - size_) {
        capacity *= 2;
    }
    std::unique_ptr<char[]> larger(new char[capacity]);
    std::memcpy(larger.get(), buffer_.get(), size_);
    buffer_ = std::move(larger);
    capacity_ = capacity;
}

void ReportWriter::writeText(std::string_view text) {
    if (conventions_ == PageConventions::Html5) {
        append(text.data(), text.size());
        return;
    }
    // At most every byte a line break, each stored as two.
    if (2 * text.size() > capacity_ - size_) {
        grow(2 * text.size());
    }
    char* out = buffer_.get() + size_;
    for (const char c : text) {
        if (c == '\n') {
            *out++ = '\r';
        }
        *out++ = c;
    }
    size_ = static_cast<std::size_t>(out - buffer_.get());
}

void ReportWriter::writeEscapedText(std::string_view text) {
    std::size_t plain = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string_view reference;
        switch (text[at]) {
        case '<':
            reference = "&lt;";
            break;
        case '>':
            reference = "&gt;";
            break;
        case '&':
            reference = "&amp;";
            break;
        case '"':
            reference = "&quot;";
            break;
        case '\'':
            if (conventions_ != PageConventions::Html5) {
                continue;
            }
            reference = "&#39;";
            break;
        default:
            continue;
        }
        append(text.data() + plain, at - plain);
        append(reference.data(), reference.size());
        plain = at + 1;
    }
    append(text.data() + plain, text.size() - plain);
}

void ReportWriter::writeNumber(std::int32_t value) {
    // Most numbers of a page are start numbers, laps and positions below 100.
    if (value >= 0 && value < 10) {
        const char digit = static_cast<char>('0' + value);
        append(&digit, 1);
        return;
    }
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    append(text, static_cast<std::size_t>(result.ptr - text));
}

void ReportWriter::writeHexByte(std::int32_t value) {
    if (value >= 0 && value < 256) {
        constexpr std::string_view digits = "0123456789abcdef";
        const char text[2] = {digits[static_cast<std::size_t>(value / 16)], digits[static_cast<std::size_t>(value % 16)]};
        append(text, 2);
        return;
    }
    char text[16];
    char* end = text;
    if (value < 16) {
        *end++ = '0';
    }
    end = std::to_chars(end, text + sizeof text, static_cast<unsigned int>(value), 16).ptr;
    append(text, static_cast<std::size_t>(end - text));
}

void ReportWriter::writeOneDecimal(double value) {
    const std::string text = oneDecimalText(value);
    append(text.data(), text.size());
}

void ReportWriter::formatLapTime(std::int32_t ms) {
    char text[kTimeTextCapacity];
    append(text, static_cast<std::size_t>(writeLapTime(ms, text) - text));
}

void ReportWriter::formatTimeGap(std::int32_t ms) {
    char text[kTimeTextCapacity];
    append(text, static_cast<std::size_t>(writeTimeGap(ms, text) - text));
}

std::string oneDecimalText(double value) {
    // The text of printf's "%.1f" in the C locale, whatever the host's locale.
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    }
    char text[512];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

void sayPageNotWritten(Console& console, const std::string& name) {
    console.out() << "Can't write " << name << "!" << '\n';
}

bool savePage(Disk& disk, const std::string& name, const ReportWriter& page, Console& console) {
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
