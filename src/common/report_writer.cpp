#include "common/report_writer.hpp"

#include "common/folder.hpp"
#include "common/time_text.hpp"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace league {

ReportWriter::~ReportWriter() {
    closePage();
}

bool ReportWriter::openPage(const Folder& folder, const std::string& name, std::ostream& console) {
    closePage();
    if (name.empty()) {
        return false;
    }
    // Pages belong in the working folder: a name typed with a folder or drive in it
    // ("..\\x", "sub/x", "c:x") would put the page elsewhere, so it counts as a page
    // that cannot be created.
    const bool leavesTheFolder = name.find_first_of("/\\:") != std::string::npos;
    if (!leavesTheFolder) {
        file_.open(folder.file(name), std::ios::binary | std::ios::out | std::ios::trunc);
    }
    if (leavesTheFolder || !file_) {
        file_.clear();
        console << "Can't write " << name << "!" << '\n';
        return false;
    }
    sink_ = &file_;
    return true;
}

void ReportWriter::openStream(std::ostream& sink) {
    closePage();
    sink_ = &sink;
}

void ReportWriter::writeFragment(std::string_view text) {
    if (sink_ == nullptr) {
        return;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            sink_->write(text.data() + start, static_cast<std::streamsize>(i - start));
            sink_->write("\r\n", 2);
            start = i + 1;
        }
    }
    sink_->write(text.data() + start, static_cast<std::streamsize>(text.size() - start));
}

void ReportWriter::writeValueText(std::string_view text) {
    if (sink_ == nullptr) {
        return;
    }
    sink_->write(text.data(), static_cast<std::streamsize>(text.size()));
}

void ReportWriter::writeNumber(std::int32_t value) {
    writeFragment(std::to_string(value));
}

void ReportWriter::writeHexByte(std::int32_t value) {
    if (value < 16) {
        writeFragment("0");
    }
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned int>(value));
    writeFragment(text);
}

void ReportWriter::writeOneDecimal(double value) {
    writeFragment(oneDecimalText(value));
}

void ReportWriter::formatLapTime(std::int32_t ms) {
    writeFragment(league::formatLapTime(ms));
}

void ReportWriter::formatTimeGap(std::int32_t ms) {
    writeFragment(league::formatTimeGap(ms));
}

void ReportWriter::closePage() {
    if (sink_ != nullptr) {
        sink_->flush();
    }
    if (file_.is_open()) {
        file_.close();
    }
    sink_ = nullptr;
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

}  // namespace league
