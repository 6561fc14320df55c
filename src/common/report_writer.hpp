#pragma once
// Writes one page: fixed fragments, number texts, colour bytes and time texts. Every
// line break of a fragment is stored as CR LF on every system, so a page is the same
// file byte for byte wherever it was made.

#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <string>
#include <string_view>

namespace league {

class Folder;

class ReportWriter {
public:
    ReportWriter() = default;
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;
    ~ReportWriter();

    /// Creates (or truncates) the page `name` in the working folder. An empty name is
    /// not attempted and not reported. When the file cannot be created, "Can't write "
    /// + name + "!" and a line end go to the console; the later writes are dropped.
    /// Returns whether the page is open.
    bool openPage(const Folder& folder, const std::string& name, std::ostream& console);

    /// Writes the page into a stream instead of a file (for tests and fuzzing).
    void openStream(std::ostream& sink);

    /// True while a page is open and accepting writes.
    bool isOpen() const { return sink_ != nullptr; }

    void writeFragment(std::string_view text);
    /// Writes a text read from the replay or an export (track, driver and bike names,
    /// lap texts) byte for byte: a line break inside it is kept as it was read.
    void writeValueText(std::string_view text);
    void writeNumber(std::int32_t value);
    /// "0" below 16, then lower-case hexadecimal: 0 -> "00", 90 -> "5a", 255 -> "ff".
    void writeHexByte(std::int32_t value);
    /// A real number with one decimal, as printf "%.1f" writes it in the C locale.
    void writeOneDecimal(double value);
    void formatLapTime(std::int32_t ms);
    void formatTimeGap(std::int32_t ms);

    /// Ends the page; nothing is written after it.
    void closePage();

private:
    std::ofstream file_;
    std::ostream* sink_ = nullptr;
};

/// The "%.1f" text of a real number, independent of the locale.
std::string oneDecimalText(double value);

}  // namespace league
